#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/family/Family.h"

#include <memory>

namespace kelo::cli {

void registerScanCommand(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("scan", "Look for units on the line and list which identifiers answer");
    struct Options {
        LineOptions line;
        std::string family;
        std::vector<int> ids;
    };
    auto options = std::make_shared<Options>();
    addLineOptions(*command, options->line);
    command->add_option("--family", options->family, "Device family: tz48, tz48p or amp")
        ->required()
        ->check(CLI::IsMember({"tz48", "tz48p", "amp"}));
    command->add_option("--ids", options->ids, "Identifiers to look for, 1..32 (default: all)")
        ->delimiter(',')
        ->check(CLI::Range(1, 32));
    command->footer("Exit code 0 when a unit answered, 2 when none did, 1 when the port cannot be opened.");
    command->callback([&context, options] {
        ScanRequest request;
        request.family = *familyFromKey(options->family);
        request.baudIndex = options->line.baudIndex;
        for (int id : options->ids) {
            request.ids.push_back(static_cast<std::uint32_t>(id - 1));
        }
        LineSession session(options->line, context);
        session.scan(request, true);
    });
}

} // namespace kelo::cli
