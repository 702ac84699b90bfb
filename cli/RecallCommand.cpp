#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/comm/engine/ProgramStore.h"
#include "core/comm/engine/UnitDumps.h"
#include "core/comm/images/TransferPlan.h"
#include "core/family/Family.h"
#include "core/units/UnitPrograms.h"
#include "core/units/UnitSystem.h"
#include "core/units/presets/FactoryPrograms.h"

#include <memory>

namespace kelo::cli {

namespace {

struct Options {
    LineOptions line;
    std::string family;
    int id = 0;
    int factory = 0;
    int user = 0;
};

// The unit's current settings and, for a user program, that program: what a recall starts from.
CommResult readRecallSource(CommEngine& engine, Family family, std::uint32_t id, std::uint32_t userSlot,
                            Unit& unit) {
    CommEngine::PortSession session(engine);
    UnitDumps dumps(session, family);
    return unit.visit([&](auto& record) {
        CommResult result = dumps.ReadUnitSettings(id, record.live);
        if (result == CommResult::Ok && userSlot < record.programs.size()) {
            record.programs[userSlot].used = 0;
            result = dumps.ReadProgram(id, transferPlan(family).userProgramNumber(userSlot),
                                       record.programs[userSlot]);
            if (result == CommResult::Ok) {
                record.programs[userSlot].used = 1;
            }
        }
        return result;
    });
}

void runRecall(CliContext& context, const Options& options) {
    const Family family = *familyFromKey(options.family);
    const bool user = options.user > 0;
    const std::uint32_t userCount = userProgramCount(family);
    const auto factoryCount = static_cast<int>(FactoryPrograms::count(family));
    if (user && options.user > static_cast<int>(userCount)) {
        context.err << "--user must be 1.." << userCount << " for this family\n";
        context.exitCode = 1;
        return;
    }
    if (!user && options.factory > factoryCount) {
        context.err << "--factory must be 1.." << factoryCount << " for this family\n";
        context.exitCode = 1;
        return;
    }
    const auto id = static_cast<std::uint32_t>(options.id - 1);
    ScanRequest request;
    request.family = family;
    request.baudIndex = options.line.baudIndex;
    request.ids = {id};
    request.sendAfterScan = true;
    LineSession session(options.line, context);
    if (!session.scan(request, true)) {
        return;
    }

    UnitSystem system(family);
    Unit* unit = system.appendScannedUnit(makeNewUnit(family, FactoryPrograms::shared()));
    unit->setBusId(id);
    const std::uint32_t slot = user ? static_cast<std::uint32_t>(options.user - 1) : userCount;
    const CommResult read = readRecallSource(session.engine(), family, id, slot, *unit);
    if (read == CommResult::UploadRefused) {
        context.err << "User program " << options.user << " is empty; nothing was recalled.\n";
        context.exitCode = 1;
        return;
    }
    if (read != CommResult::Ok) {
        context.err << "ID " << options.id << ": reading the unit failed: " << describe(read) << '\n';
        context.exitCode = 1;
        return;
    }
    const std::uint32_t program = user ? static_cast<std::uint32_t>(options.user) : 0;
    if (ProgramBreaksGanging(*unit, family, program, FactoryPrograms::shared())) {
        context.err << kMonoWithGangingMessage << '\n';
        context.exitCode = 1;
        return;
    }
    ProgramStore store(session.engine(), FactoryPrograms::shared());
    const ProgramStore::Outcome outcome =
        user ? store.recallUser(system, *unit, slot, false)
             : store.recallFactory(system, *unit, static_cast<std::uint32_t>(options.factory - 1), false);
    if (outcome.sent != CommResult::Ok) {
        context.err << "ID " << options.id << ": sending the settings failed: " << describe(outcome.sent)
                    << '\n';
        context.exitCode = 1;
    }
}

} // namespace

void registerRecallCommand(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("recall", "Load a factory or user program into a unit's current settings");
    auto options = std::make_shared<Options>();
    addLineOptions(*command, options->line);
    command->add_option("--family", options->family, "Device family: tz48, tz48p or amp")
        ->required()
        ->check(CLI::IsMember({"tz48", "tz48p", "amp"}));
    command->add_option("--id", options->id, "Identifier of the unit, 1..32")
        ->required()
        ->check(CLI::Range(1, 32));
    auto* factory = command->add_option("--factory", options->factory, "Factory program, from 1")
                        ->check(CLI::PositiveNumber);
    auto* user =
        command->add_option("--user", options->user, "User program, from 1")->check(CLI::PositiveNumber);
    factory->excludes(user);
    command->callback([&context, options, factory, user] {
        if (factory->count() == 0 && user->count() == 0) {
            context.err << "Give --factory K or --user K\n";
            context.exitCode = 1;
            return;
        }
        runRecall(context, *options);
    });
}

} // namespace kelo::cli
