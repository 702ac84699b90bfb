#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/units/presets/FactoryPrograms.h"

#include <memory>

namespace kelo::cli {

void registerPushCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("push", "Send the units of a system file to the connected units");
    struct Options {
        LineOptions line;
        std::string file;
    };
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "System file (.kle)")->required();
    addLineOptions(*command, options->line);
    command->footer(
        "Each unit of the file whose identifier answers gets its settings, then every used "
        "program. Exit code 0 when every connected unit was sent, 1 on a failure or an unreadable "
        "file, 2 when no unit answered.");
    command->callback([&context, options] {
        const SystemFileReadResult file = loadSystemFile(options->file);
        if (!file.ok()) {
            context.err << file.status.message << '\n';
            context.exitCode = 1;
            return;
        }
        const UnitSystem& system = *file.system;
        if (system.empty()) {
            context.err << kNoResponseMessage << '\n';
            context.exitCode = 2;
            return;
        }
        LineSession session(options->line, context);
        if (!session.scan(NetworkScan::requestFor(system, options->line.baudIndex), true)) {
            return;
        }
        SystemTransfer transfer(session.engine(), FactoryPrograms::shared());
        session.reportFailures(transfer.sendConnectedUnits(system, session.progress()), "Download");
    });
}

} // namespace kelo::cli
