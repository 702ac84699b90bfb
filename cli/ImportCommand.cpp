#include "cli/Commands.h"

#include "cli/SystemJson.h"
#include "core/app/SystemFile.h"

#include <memory>
#include <string>

namespace kelo::cli {

void registerImportCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("import", "Write a system file from JSON made by `kelo export`");
    struct Options {
        std::string json;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    command->add_option("JSON", options->json, "JSON file")->required();
    command->add_option("-o,--output", options->output, "System file to write (.kle)")->required();
    command->callback([&context, options] {
        const std::optional<std::vector<std::uint8_t>> text = readWholeFile(options->json);
        if (!text) {
            context.err << "Cannot open file: " << options->json << '\n';
            context.exitCode = 1;
            return;
        }
        try {
            const nlohmann::json json = nlohmann::json::parse(text->begin(), text->end());
            const UnitSystem system = systemFromJson(json);
            const SystemFileStatus saved = saveSystemFile(system, options->output);
            if (!saved.ok()) {
                context.err << saved.message << '\n';
                context.exitCode = 1;
            }
        } catch (const nlohmann::json::parse_error& error) {
            context.err << "Invalid JSON: " << error.what() << '\n';
            context.exitCode = 1;
        } catch (const JsonFormatError& error) {
            context.err << "Not a system description: " << error.what() << '\n';
            context.exitCode = 1;
        }
    });
}

} // namespace kelo::cli
