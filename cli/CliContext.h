#pragma once

#include <ostream>

namespace kelo::cli {

/// What every subcommand writes to and reports back: its output streams (redirected to buffers by the
/// tests) and the exit code the program ends with.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;
};

} // namespace kelo::cli
