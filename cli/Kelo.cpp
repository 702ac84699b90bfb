#include "cli/Commands.h"

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
    registerStoreCommand(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, context.out, context.err);
    }
    return context.exitCode;
}

} // namespace kelo::cli
