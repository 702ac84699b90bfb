#include "core/comm/line/CommResult.h"

namespace kelo {

std::string_view describe(CommResult result) {
    switch (result) {
    case CommResult::Ok:
        return "success";
    case CommResult::PortNotOpened:
        return "the serial port could not be opened";
    case CommResult::IoIncomplete:
        return "a read or write on the line did not complete";
    case CommResult::Malformed:
        return "malformed reply";
    case CommResult::NoStartByte:
        return "no start byte within the search limit";
    case CommResult::UploadRefused:
        return "the unit refused the upload";
    case CommResult::NoAcceptedReply:
        return "no accepted reply after the allowed attempts";
    case CommResult::UnexpectedCommand:
        return "reply with an unexpected command";
    case CommResult::CrcMismatch:
        return "checksum mismatch in a received block";
    case CommResult::AlreadyRunning:
        return "the communication engine is already running";
    case CommResult::NotConnected:
        return "the unit is not connected";
    case CommResult::ThreadNotCreated:
        return "the communication worker could not be started";
    case CommResult::DeviceGone:
        return "the serial device has gone away or fails";
    }
    return "unknown result";
}

} // namespace kelo
