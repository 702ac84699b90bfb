#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/units/TextConvert.h"
#include "core/units/UnitPrograms.h"
#include "core/units/UnitSystem.h"
#include "core/comm/engine/ProgramStore.h"
#include "core/units/presets/FactoryPrograms.h"

#include <memory>
#include <optional>
#include <string>

namespace kelo::cli {

namespace {

struct Options {
    std::string file;
    int id = 0;
    int user = 0;
    std::optional<std::string> name;
    std::string port;
    int baudIndex = 6;
};

// A typed program name: at most 12 characters, each stored as one Latin-1 byte.
std::optional<ProgramName> programNameOf(const std::string& utf8) {
    const std::optional<std::u16string> text = utf8ToUtf16(utf8);
    if (!text || text->size() > std::tuple_size_v<ProgramName>) {
        return std::nullopt;
    }
    std::string latin1;
    for (const char16_t c : *text) {
        if (c > 0xFF) {
            return std::nullopt;
        }
        latin1.push_back(static_cast<char>(c));
    }
    return makeProgramName(latin1);
}

Unit* unitWithId(UnitSystem& system, std::uint32_t busId) {
    for (const auto& unit : system.units()) {
        if (unit->busId() == busId) {
            return unit.get();
        }
    }
    return nullptr;
}

void fail(CliContext& context, const std::string& message) {
    context.err << message << '\n';
    context.exitCode = 1;
}

void runStore(CliContext& context, const Options& options) {
    SystemFileReadResult file = loadSystemFile(options.file);
    if (!file.ok()) {
        fail(context, file.status.message);
        return;
    }
    UnitSystem& system = *file.system;
    const std::uint32_t userCount = userProgramCount(system.family());
    if (options.user > static_cast<int>(userCount)) {
        fail(context, "--user must be 1.." + std::to_string(userCount) + " for this family");
        return;
    }
    std::optional<ProgramName> name;
    if (options.name) {
        name = programNameOf(*options.name);
        if (!name) {
            fail(context, "--name must be at most 12 characters, each in Latin-1");
            return;
        }
    }
    const auto busId = static_cast<std::uint32_t>(options.id - 1);
    Unit* unit = unitWithId(system, busId);
    if (unit == nullptr) {
        fail(context, "The file holds no unit with ID " + std::to_string(options.id));
        return;
    }
    const auto slot = static_cast<std::uint32_t>(options.user - 1);

    if (options.port.empty()) {
        storeLiveAsUserProgram(*unit, system.family(), slot, name);
    } else {
        // The unit is reached first, so a unit that does not answer leaves the file as it was.
        LineOptions line{options.port, options.baudIndex};
        LineSession session(line, context);
        ScanRequest request;
        request.family = system.family();
        request.baudIndex = options.baudIndex;
        request.ids = {busId};
        request.sendAfterScan = true;
        if (!session.scan(request, true)) {
            return;
        }
        const ProgramStore::Outcome outcome =
            ProgramStore(session.engine(), FactoryPrograms::shared()).store(system, *unit, slot, false, name);
        if (outcome.sent != CommResult::Ok) {
            fail(context, "ID " + std::to_string(options.id) + ": storing the program failed: " +
                              std::string(describe(outcome.sent)) + "; the file was not changed");
            return;
        }
    }
    const SystemFileStatus saved = saveSystemFile(system, options.file);
    if (!saved.ok()) {
        fail(context, saved.message);
    }
}

} // namespace

void registerStoreCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "store", "Store a unit's current settings of a system file into one of its user programs");
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "System file (.kle), rewritten in place")->required();
    command->add_option("--id", options->id, "Identifier of the unit, 1..32")
        ->required()
        ->check(CLI::Range(1, 32));
    command->add_option("--user", options->user, "User program, from 1")
        ->required()
        ->check(CLI::PositiveNumber);
    command->add_option("--name", options->name, "Name of the program, up to 12 characters");
    auto* port =
        command->add_option("--port", options->port, "Serial device: the unit there stores the program too");
    command
        ->add_option("--baud", options->baudIndex, "Line speed index 0..6 = 9600 .. 115200 bit/s (default 6)")
        ->check(CLI::Range(0, 6))
        ->needs(port);
    command->footer("Without --port only the file changes. Exit code 0 when stored, 1 on a bad option, an "
                    "unreadable file or a failed send (the file is then left as it was), 2 when the unit "
                    "did not answer.");
    command->callback([&context, options] { runStore(context, *options); });
}

} // namespace kelo::cli
