#include "cli/Commands.h"

#include "cli/CliOutput.h"

#include "core/app/PresetLabel.h"
#include "core/app/SystemFile.h"
#include "core/units/TextConvert.h"
#include "core/units/processor/RoutingMode.h"

#include <memory>
#include <string>

namespace kelo::cli {

void registerInfoCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("info", "Show the family of a system file and one line per unit");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "System file (.kle)")->required();
    command->footer("Each unit line: key, \"ID n\", name, preset label and, for processors, routing label, "
                    "separated by tabs. Control characters in names are shown escaped (\\t, \\n, \\x1B).");
    command->callback([&context, file] {
        const SystemFileReadResult result = loadSystemFile(*file);
        if (!result.ok()) {
            context.err << result.status.message << '\n';
            context.exitCode = 1;
            return;
        }
        const UnitSystem& system = *result.system;
        context.out << "family: " << familyKey(system.family()) << '\n';
        for (const auto& unit : system.units()) {
            const std::uint32_t program = unit->currentProgram();
            const ProgramName& name =
                unit->visit([](const auto& record) -> const ProgramName& { return record.live.name; });
            context.out << unit->key() << "\tID " << (std::uint64_t{unit->busId()} + 1) << '\t'
                        << printableText(utf16ToUtf8(unit->name())) << '\t'
                        << printableText(presetLabel(system.family(), program, name));
            if (!unit->isAmp()) {
                context.out << '\t' << routingModeLabel(unit->routingMode());
            }
            context.out << '\n';
        }
    });
}

} // namespace kelo::cli
