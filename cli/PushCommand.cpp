#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/units/TextConvert.h"
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
        "program. Exit code 0 when every connected unit was sent, 1 on a failure, an unreadable "
        "file, a file without units or a unit whose ID is outside 1..32 (it is not sent), 2 when no "
        "unit answered.");
    command->callback([&context, options] {
        const SystemFileReadResult file = loadSystemFile(options->file);
        if (!file.ok()) {
            context.err << file.status.message << '\n';
            context.exitCode = 1;
            return;
        }
        const UnitSystem& system = *file.system;
        if (system.empty()) {
            context.err << options->file << " holds no unit; nothing was sent.\n";
            context.exitCode = 1;
            return;
        }
        // A file may carry any identifier; one that no unit on the line can have is named, not passed over.
        std::size_t skipped = 0;
        for (const auto& unit : system.units()) {
            if (unit->busId() >= kUnitCount) {
                context.err << "Unit " << unit->key() << " (" << printableText(utf16ToUtf8(unit->name()))
                            << "): ID " << std::uint64_t{unit->busId()} + 1
                            << " is outside 1..32; it is not sent.\n";
                ++skipped;
            }
        }
        if (skipped == system.unitCount()) {
            context.exitCode = 1;
            return;
        }
        LineSession session(options->line, context);
        if (!session.scan(NetworkScan::requestFor(system, options->line.baudIndex), true)) {
            return;
        }
        SystemTransfer transfer(session.engine(), FactoryPrograms::shared());
        session.reportFailures(transfer.sendConnectedUnits(system, session.progress()), "Download");
        if (skipped > 0) {
            context.exitCode = 1;
        }
    });
}

} // namespace kelo::cli
