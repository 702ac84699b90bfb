#include "cli/Commands.h"

#include "cli/SystemJson.h"
#include "core/app/SystemFile.h"

#include <fstream>
#include <memory>
#include <string>

namespace kelo::cli {

void registerExportCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("export", "Write a whole system file as JSON");
    struct Options {
        std::string file;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "System file (.kle)")->required();
    command->add_option("-o,--output", options->output, "JSON file to write (default: standard output)");
    command->callback([&context, options] {
        const SystemFileReadResult result = loadSystemFile(options->file);
        if (!result.ok()) {
            context.err << result.status.message << '\n';
            context.exitCode = 1;
            return;
        }
        const std::string text = systemToJson(*result.system).dump(1) + "\n";
        if (options->output.empty()) {
            context.out << text;
            return;
        }
        const std::vector<std::uint8_t> bytes(text.begin(), text.end());
        const SystemFileStatus saved = saveFileAtomically(bytes, options->output);
        if (!saved.ok()) {
            context.err << saved.message << '\n';
            context.exitCode = 1;
        }
    });
}

} // namespace kelo::cli
