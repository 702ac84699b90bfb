#include "cli/Commands.h"
#include "cli/LineSession.h"

#include "core/app/SystemFile.h"
#include "core/comm/engine/UnitDumps.h"
#include "core/edit/FieldCatalogue.h"
#include "core/edit/FieldValueText.h"
#include "core/edit/ParameterEdit.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kelo::cli {

namespace {

struct Options {
    LineOptions line;
    std::string file;
    std::string list;
    int id = 0;
    std::vector<std::string> assignments;
    bool link = false;
    bool trace = false;
    bool dryRun = false;
};

std::string hexByte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

std::string describeSend(const ParameterSend& send) {
    return "ID " + std::to_string(send.busId + 1) + ": block " + hexByte(send.address.block) + " index " +
           std::to_string(send.address.index) + " offset " + hexByte(send.address.offset) + " value " +
           std::to_string(send.value);
}

bool fail(CliContext& context, const std::string& message) {
    context.err << message << '\n';
    context.exitCode = 1;
    return false;
}

// Reads every NAME=VALUE against the unit before anything changes, so a bad one leaves all untouched.
bool readEdits(CliContext& context, const Options& options, const UnitSystem& system, const Unit& unit,
               std::vector<Edit>& edits) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(system.family());
    for (const std::string& assignment : options.assignments) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos) {
            return fail(context, "Expected NAME=VALUE: " + assignment);
        }
        const std::string name = assignment.substr(0, equals);
        const std::string text = assignment.substr(equals + 1);
        const auto field = catalogue.parse(name);
        if (!field) {
            return fail(context, "Unknown field for family " + std::string(familyKey(system.family())) +
                                     ": " + name + " (kelo set --list " +
                                     std::string(familyKey(system.family())) + ")");
        }
        const auto value = parseFieldValue(unit, *field, text);
        if (!value) {
            return fail(context, "Bad value for " + name + ": " + text);
        }
        edits.push_back(Edit{unit.key(), *field, *value, EditOrigin::ChannelPage});
    }
    return true;
}

void sendEdits(CliContext& context, const Options& options, const UnitSystem& system,
               const EditResult& result) {
    LineSession session(options.line, context);
    if (!session.scan(NetworkScan::requestFor(system, options.line.baudIndex), false)) {
        return;
    }
    CommEngine& engine = session.engine();
    for (const ParameterSend& send : result.sends) {
        const CommResult sent = engine.SendParameter(send.busId, send.model, send.address.block,
                                                     send.address.index, send.address.offset, send.value);
        if (options.trace) {
            context.out << describeSend(send) << ": " << describe(sent) << '\n';
        }
        if (sent != CommResult::Ok) {
            fail(context,
                 "ID " + std::to_string(send.busId + 1) + ": not sent: " + std::string(describe(sent)));
        }
    }
    for (const std::uint32_t key : result.wholeSettingsUnits) {
        const Unit* unit = system.FindUnit(key);
        CommEngine::PortSession port(engine);
        UnitDumps dumps(port, system.family());
        const CommResult sent = unit->visit(
            [&](const auto& record) { return dumps.SendUnitSettings(unit->busId(), record.live); });
        if (options.trace) {
            context.out << "ID " << unit->busId() + 1 << ": settings: " << describe(sent) << '\n';
        }
        if (sent != CommResult::Ok) {
            fail(context, "ID " + std::to_string(unit->busId() + 1) +
                              ": settings not sent: " + std::string(describe(sent)));
        }
    }
}

void runSet(CliContext& context, const Options& options) {
    if (options.file.empty() || options.assignments.empty()) {
        fail(context, "Give FILE --id N NAME=VALUE..., or --list FAMILY");
        return;
    }
    SystemFileReadResult file = loadSystemFile(options.file);
    if (!file.ok()) {
        fail(context, file.status.message);
        return;
    }
    UnitSystem& system = *file.system;
    const Unit* unit = nullptr;
    for (const auto& candidate : system.units()) {
        if (options.id >= 1 && candidate->busId() + 1 == static_cast<std::uint32_t>(options.id)) {
            unit = candidate.get();
            break;
        }
    }
    if (unit == nullptr) {
        fail(context, "No unit with identifier " + std::to_string(options.id) + " in " + options.file);
        return;
    }
    std::vector<Edit> edits;
    if (!readEdits(context, options, system, *unit, edits)) {
        return;
    }
    EditResult result;
    for (const Edit& edit : edits) {
        result.append(applyEdit(system, edit, EditOptions{options.link}));
    }
    if (options.dryRun) {
        for (const ParameterSend& send : result.sends) {
            context.out << describeSend(send) << '\n';
        }
        return;
    }
    const SystemFileStatus saved = saveSystemFile(system, options.file);
    if (!saved.ok()) {
        fail(context, saved.message);
        return;
    }
    if (!options.line.port.empty()) {
        sendEdits(context, options, system, result);
    }
}

} // namespace

void registerSetCommand(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("set", "Change fields of a unit in a system file, and of the units on line");
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "System file (.kle)");
    command->add_option("ASSIGNMENTS", options->assignments, "NAME=VALUE, NAME as kelo set --list prints it");
    command->add_option("--id", options->id, "Identifier of the unit, 1..32");
    command->add_option("--list", options->list, "Print every field of a family: tz48, tz48p or amp");
    command->add_flag("--link", options->link, "Every other unit of the file takes the edits too");
    command->add_flag("--trace", options->trace, "Print every message sent");
    command->add_flag("--dry-run", options->dryRun, "Print the messages, change nothing");
    command->add_option("--port", options->line.port,
                        "Also send the edits to the units on this serial device");
    command
        ->add_option("--baud", options->line.baudIndex,
                     "Line speed index 0..6 = 9600 .. 115200 bit/s (default 6)")
        ->check(CLI::Range(0, 6));
    command->footer(
        "VALUE is read as the editor reads typed text (\"-3dB\", \"1.25k\", \"12ms\", \"Peaking\", "
        "\"OFF\"); #N gives index N. Values outside the range are clamped. The file is rewritten "
        "only when every assignment is valid; with --port the connected units are sent the edits.");
    command->callback([&context, options] {
        if (!options->list.empty()) {
            const auto family = familyFromKey(options->list);
            if (!family) {
                fail(context, "Unknown family: " + options->list + " (tz48, tz48p or amp)");
                return;
            }
            for (const std::string& line : FieldCatalogue::of(*family).listing()) {
                context.out << line << '\n';
            }
            return;
        }
        runSet(context, *options);
    });
}

} // namespace kelo::cli
