#pragma once

#include <string_view>

namespace kelo {

/// Result of every line operation, exchange and engine operation. The numbers are the ones the
/// diagnostic log records and that callers compare, so they never change.
enum class CommResult : int {
    Ok = 0,
    PortNotOpened = 1,      ///< the serial device could not be opened (or closing a port that is not open)
    IoIncomplete = 4,       ///< a read or write did not transfer the requested byte count in time
    Malformed = 11,         ///< wrong marker, identifier, model or end byte; bad busy value; oversize block
    NoStartByte = 12,       ///< no 0xF0 within the search limit
    UploadRefused = 13,     ///< the unit answered a dump request with DumpRefused
    NoAcceptedReply = 21,   ///< every attempt of the exchange failed
    UnexpectedCommand = 22, ///< a well-formed reply with a command the exchange does not expect
    CrcMismatch = 26,       ///< the Crc16 of a received block does not match
    AlreadyRunning = 30,    ///< StartEngine while the engine runs
    NotConnected = 31,      ///< the unit's connection entry is not in state 2
    ThreadNotCreated = 32,  ///< the worker thread could not be started
    DeviceGone = 40,        ///< the serial device failed or went away (adapter pulled): no unit can answer
};

/// The plain number of a result (0 for success).
constexpr int toCode(CommResult result) {
    return static_cast<int>(result);
}

/// Short English description of a result, for logs and the command line. Keep in step with CommResult.
std::string_view describe(CommResult result);

} // namespace kelo
