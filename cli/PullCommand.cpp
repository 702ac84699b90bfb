#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/family/Family.h"
#include "core/units/UnitSystem.h"
#include "core/units/presets/FactoryPrograms.h"

#include <memory>

namespace kelo::cli {

void registerPullCommand(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("pull", "Read every connected unit into a new system file (all 32 identifiers)");
    struct Options {
        LineOptions line;
        std::string family;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    addLineOptions(*command, options->line);
    command->add_option("--family", options->family, "Device family: tz48, tz48p or amp")
        ->required()
        ->check(CLI::IsMember({"tz48", "tz48p", "amp"}));
    command->add_option("-o,--output", options->output, "System file to write (.kle)")->required();
    command->footer("Exit code 0 when every connected unit was read, 1 when one failed or nothing could be "
                    "written, 2 when no unit answered.");
    command->callback([&context, options] {
        const Family family = *familyFromKey(options->family);
        ScanRequest request;
        request.family = family;
        request.baudIndex = options->line.baudIndex;
        LineSession session(options->line, context);
        if (!session.scan(request, false)) {
            return;
        }
        UnitSystem system(family);
        SystemTransfer transfer(session.engine(), FactoryPrograms::shared());
        const TransferOutcome outcome = transfer.readConnectedUnits(system, session.progress());
        session.reportFailures(outcome, "Upload");
        if (system.empty()) {
            context.err << "No unit could be read; nothing was written.\n";
            context.exitCode = 1;
            return;
        }
        transfer.RenumberAfterScan(system);
        const SystemFileStatus saved = saveSystemFile(system, options->output);
        if (!saved.ok()) {
            context.err << saved.message << '\n';
            context.exitCode = 1;
        }
    });
}

} // namespace kelo::cli
