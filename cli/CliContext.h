#pragma once

#include <ostream>

namespace kelo {
class Clock;
}

namespace kelo::cli {

/// What every subcommand writes to and reports back: its output streams (redirected to buffers by the
/// tests) and the exit code the program ends with.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;
    /// Every pause of the commands that talk to units; the real clock when null (tests pass a fast one).
    Clock* clock = nullptr;
};

} // namespace kelo::cli
