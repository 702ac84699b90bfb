#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/family/Family.h"
#include "core/units/UnitSystem.h"
#include "core/units/presets/FactoryPrograms.h"

#include <filesystem>
#include <memory>

namespace kelo::cli {

namespace {

/// Beside OUT.kle: OUT.partial.kle (OUT.partial.kle after any other name as well).
std::filesystem::path partialOutputPath(const std::filesystem::path& output) {
    std::filesystem::path path = output;
    if (path.extension() == ".kle") {
        path.replace_extension();
    }
    path += ".partial.kle";
    return path;
}

} // namespace

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
                    "written, 2 when no unit answered. When a unit failed and the output file exists, it "
                    "is left as it was and the units read go to OUT.partial.kle beside it.");
    command->callback([&context, options] {
        const Family family = *familyFromKey(options->family);
        // A read of 32 units takes minutes at low speeds: an output that cannot be written is found first.
        const SystemFileStatus writable = checkSaveTarget(options->output);
        if (!writable.ok()) {
            context.err << writable.message << '\n';
            context.exitCode = 1;
            return;
        }
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
        // A good file is never replaced by a partial read: what was read goes beside it.
        std::error_code error;
        const bool partial = !outcome.allOk() && std::filesystem::exists(options->output, error);
        const std::filesystem::path target =
            partial ? partialOutputPath(options->output) : std::filesystem::path(options->output);
        const SystemFileStatus saved = saveSystemFile(system, target);
        if (!saved.ok()) {
            context.err << saved.message << '\n';
            context.exitCode = 1;
        } else if (partial) {
            context.err << "The units read were written to " << target.string() << "; " << options->output
                        << " was left as it was.\n";
        }
    });
}

} // namespace kelo::cli
