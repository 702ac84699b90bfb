#pragma once

#include "cli/CliContext.h"

#include <string>
#include <string_view>

namespace kelo::cli {

// Helpers every subcommand shares for what it prints.

/// Flushes the command's standard output and checks that everything reached it. A failed write (a
/// full disk, a closed descriptor, /dev/full) sets exit code 1 and says so on the error stream, so a
/// script never takes a truncated output for a result. runKelo() calls this after every command.
/// @return true when the output was written whole
bool finishOutput(CliContext& context);

/// Text from a file shown on a terminal line: control characters (C0, DEL and C1) are shown escaped
/// ("\t", "\n", "\r", "\x1B") and a backslash as "\\", so a name cannot break a line into forged
/// lines or send the terminal escape sequences. Other characters pass unchanged (UTF-8).
std::string printableText(std::string_view utf8);

} // namespace kelo::cli
