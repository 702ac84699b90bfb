#include "cli/Commands.h"

#include "core/family/Family.h"

namespace kelo::cli {

void registerFamiliesCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("families", "List the device family keys the other commands take");
    command->callback([&context] {
        for (Family family : {Family::Tz48, Family::Tz48P, Family::TzAmp}) {
            context.out << familyKey(family) << '\n';
        }
    });
}

} // namespace kelo::cli
