#include "cli/Commands.h"

#include "cli/CliOutput.h"

namespace kelo::cli {

int runKelo(int argc, const char* const* argv, CliContext& context) {
    CLI::App app{"kelo: scriptable access to Kelo Editor system files and units", "kelo"};
    app.require_subcommand(1);
    registerFamiliesCommand(app, context);
    registerInfoCommand(app, context);
    registerExportCommand(app, context);
    registerImportCommand(app, context);
    registerResponseCommand(app, context);
    registerScanCommand(app, context);
    registerPullCommand(app, context);
    registerPushCommand(app, context);
    registerRecallCommand(app, context);
#ifdef KELO_WITH_REPORT
    registerReportCommand(app, context);
#endif
    registerSetCommand(app, context);
    registerStoreCommand(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, context.out, context.err);
        return finishOutput(context) ? code : context.exitCode;
    }
    finishOutput(context);
    return context.exitCode;
}

} // namespace kelo::cli
