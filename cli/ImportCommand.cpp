#include "cli/Commands.h"

#include "cli/SystemJson.h"
#include "core/app/SystemFile.h"
#include "core/units/RegularFile.h"
#include "core/units/SystemFileSize.h"

#include <memory>
#include <string>

namespace kelo::cli {

namespace {

/// The JSON of the largest system file: a stored word written as decimal text with its member name and
/// indentation takes up to about eight times its four bytes in the file; twice that leaves margin.
constexpr std::size_t kMaxSystemJsonBytes = 16 * kMaxSystemFileBytes;

} // namespace

void registerImportCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("import", "Write a system file from JSON made by `kelo export`");
    struct Options {
        std::string json;
        std::string output;
    };
    auto options = std::make_shared<Options>();
    command->add_option("JSON", options->json, "JSON file")->required();
    command->add_option("-o,--output", options->output, "System file to write (.kle)")->required();
    command->footer("A system without units is refused (exit code 1): its file would be empty, and an "
                    "empty file does not open again.");
    command->callback([&context, options] {
        const FileReadResult text = readRegularFile(options->json, kMaxSystemJsonBytes);
        if (!text.ok()) {
            context.err << "Cannot open file: " << options->json << ": " << text.reason << '\n';
            context.exitCode = 1;
            return;
        }
        try {
            const nlohmann::json json = nlohmann::json::parse(text.bytes.begin(), text.bytes.end());
            const UnitSystem system = systemFromJson(json);
            if (system.empty()) {
                // Such a file would be empty, and neither this tool nor the editor opens it again.
                context.err << "The system holds no unit; nothing was written.\n";
                context.exitCode = 1;
                return;
            }
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
