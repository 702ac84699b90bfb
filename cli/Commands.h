#pragma once

#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

namespace kelo::cli {

// Each subcommand lives in its own source file and adds itself to the application here.
void registerFamiliesCommand(CLI::App& app, CliContext& context);
void registerInfoCommand(CLI::App& app, CliContext& context);
void registerExportCommand(CLI::App& app, CliContext& context);
void registerImportCommand(CLI::App& app, CliContext& context);
void registerResponseCommand(CLI::App& app, CliContext& context);
void registerScanCommand(CLI::App& app, CliContext& context);
void registerPullCommand(CLI::App& app, CliContext& context);
void registerPushCommand(CLI::App& app, CliContext& context);
void registerRecallCommand(CLI::App& app, CliContext& context);
#ifdef KELO_WITH_REPORT
void registerReportCommand(CLI::App& app, CliContext& context);
#endif
void registerSetCommand(CLI::App& app, CliContext& context);
void registerStoreCommand(CLI::App& app, CliContext& context);

/// Runs the kelo tool on the given arguments, writing to the context's streams.
/// @return the process exit code.
int runKelo(int argc, const char* const* argv, CliContext& context);

} // namespace kelo::cli
