#include "cli/Commands.h"

#include "core/app/SystemFile.h"
#include "core/scales/ChannelResponse.h"
#include "core/scales/GlobalResponse.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace kelo::cli {

namespace {

struct ResponseOptions {
    std::string file;
    std::uint32_t unitKey = 0;
    std::string channel;
    bool global = false;
    std::optional<std::uint32_t> program; ///< user program, 1-based
    bool noInputEq = false;
    bool noGains = false;
    bool noOutputEq = false;
    std::string format = "csv";
};

/// The curves to print, one column each after the frequency.
struct CurveTable {
    std::vector<std::string> columns;
    std::vector<Curve> curves;

    void add(std::string column, const Curve& curve) {
        columns.push_back(std::move(column));
        curves.push_back(curve);
    }
};

/// Fixed-point text in the C locale; a value that rounds to zero prints without a minus sign.
std::string fixedText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

/// A number rounded as the CSV shows it, for JSON; non-finite values become null.
nlohmann::json jsonNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale + 0.0;
}

void printTable(const CurveTable& table, const std::string& format, std::ostream& out) {
    const auto& grid = responseFrequencyGrid();
    if (format == "json") {
        nlohmann::json json = nlohmann::json::object();
        nlohmann::json& freqs = json["freq_hz"] = nlohmann::json::array();
        for (double hz : grid) {
            freqs.push_back(jsonNumber(hz, 3));
        }
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            nlohmann::json& column = json[table.columns[c]] = nlohmann::json::array();
            for (double db : table.curves[c]) {
                column.push_back(jsonNumber(db, 6));
            }
        }
        out << json.dump(1) << '\n';
        return;
    }
    out << "freq_hz";
    for (const std::string& column : table.columns) {
        out << ',' << column;
    }
    out << '\n';
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        out << fixedText(grid[g], 3);
        for (const Curve& curve : table.curves) {
            out << ',' << fixedText(curve[g], 6);
        }
        out << '\n';
    }
}

void addChannelColumns(CurveTable& table, const ChannelResponse& response, bool withCrossover) {
    table.add("total_db", response.total);
    if (withCrossover) {
        table.add("hp_db", response.highPass);
        table.add("lp_db", response.lowPass);
    }
    for (std::size_t b = 0; b < response.bandCount; ++b) {
        table.add("band" + std::to_string(b + 1) + "_db", response.bands[b]);
    }
}

/// The columns of one channel of a processor program; nothing for an unknown channel name.
std::optional<CurveTable> processorChannel(const UnitParams& params, const std::string& channel) {
    CurveTable table;
    ChannelResponse response;
    if (channel == "inA" || channel == "inB") {
        computeEqualizer(response, params.inputs[channel == "inA" ? 0 : 1].bands);
        addChannelColumns(table, response, false);
        return table;
    }
    for (std::size_t o = 0; o < UnitParams::kOutputCount; ++o) {
        if (channel == "out" + std::to_string(o + 1)) {
            const OutputChannel& output = params.outputs[o];
            ComputeChannel(response, output.crossover, output.bands);
            addChannelColumns(table, response, true);
            return table;
        }
    }
    return std::nullopt;
}

std::optional<CurveTable> ampChannel(const AmpParams& params, const std::string& channel) {
    if (channel != "outA" && channel != "outB") {
        return std::nullopt;
    }
    const AmpOutputChannel& output = params.outputs[channel == "outA" ? 0 : 1];
    ChannelResponse response;
    ComputeChannel(response, output.crossover, output.bands);
    CurveTable table;
    addChannelColumns(table, response, true);
    return table;
}

template <std::size_t N, class Params>
CurveTable globalTable(const Params& params, const GlobalCurveSwitches& switches,
                       const std::array<const char*, N>& names) {
    std::array<Curve, N> curves{};
    composeGlobalCurves(curves, params, switches);
    CurveTable table;
    for (std::size_t i = 0; i < N; ++i) {
        table.add(std::string(names[i]) + "_db", curves[i]);
    }
    return table;
}

/// The program the curves are drawn from: the live parameters, or user program N (1-based).
template <class Record>
auto selectProgram(const Record& record, const std::optional<std::uint32_t>& program)
    -> const std::remove_cvref_t<decltype(record.programs[0])>* {
    if (!program) {
        return &record.live;
    }
    if (*program < 1 || *program > record.programs.size()) {
        return nullptr;
    }
    return &record.programs[*program - 1];
}

void runResponse(const ResponseOptions& options, CliContext& context) {
    const SystemFileReadResult result = loadSystemFile(options.file);
    if (!result.ok()) {
        context.err << result.status.message << '\n';
        context.exitCode = 1;
        return;
    }
    const Unit* unit = result.system->FindUnit(options.unitKey);
    if (unit == nullptr) {
        context.err << "No unit with key " << options.unitKey << " in " << options.file << '\n';
        context.exitCode = 1;
        return;
    }
    const GlobalCurveSwitches switches{!options.noInputEq, !options.noGains, !options.noOutputEq};
    std::optional<CurveTable> table;
    std::size_t programCount = 0;
    bool programFound = true;
    if (const ProcessorUnit* processor = unit->processor()) {
        programCount = ProcessorUnit::kProgramCount;
        if (const UnitParams* params = selectProgram(*processor, options.program)) {
            table = options.global
                        ? globalTable<6>(*params, switches, {"out1", "out2", "out3", "out4", "out5", "out6"})
                        : processorChannel(*params, options.channel);
        } else {
            programFound = false;
        }
    } else if (const AmpUnit* amp = unit->amp()) {
        programCount = AmpUnit::kProgramCount;
        if (const AmpParams* params = selectProgram(*amp, options.program)) {
            table = options.global ? globalTable<2>(*params, switches, {"outA", "outB"})
                                   : ampChannel(*params, options.channel);
        } else {
            programFound = false;
        }
    }
    if (!programFound) {
        context.err << "Program " << *options.program << " does not exist: user programs are 1.."
                    << programCount << '\n';
        context.exitCode = 1;
        return;
    }
    if (!table) {
        context.err << "Unknown channel \"" << options.channel << "\" for this unit: use "
                    << (unit->isAmp() ? "outA or outB" : "inA, inB or out1..out6") << '\n';
        context.exitCode = 1;
        return;
    }
    printTable(*table, options.format, context.out);
}

} // namespace

void registerResponseCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("response", "Print the frequency-response curves of a unit");
    auto options = std::make_shared<ResponseOptions>();
    command->add_option("FILE", options->file, "System file (.kle)")->required();
    command->add_option("--unit", options->unitKey, "Unit key (as listed by kelo info)")->required();
    auto* channel = command->add_option("--channel", options->channel,
                                        "inA, inB, out1..out6 (processors) or outA, outB (amplifier)");
    auto* global = command->add_flag("--global", options->global, "The output curves of the Global page");
    channel->excludes(global);
    command->add_option("--program", options->program,
                        "User program N (1-based) instead of the live parameters");
    command->add_flag("--no-input-eq", options->noInputEq, "Global: leave out the EQ of the feeding input");
    command->add_flag("--no-gains", options->noGains, "Global: leave out the output gains");
    command->add_flag("--no-output-eq", options->noOutputEq, "Global: leave out the output EQ and crossover");
    command->add_option("--format", options->format, "Output format")->check(CLI::IsMember({"csv", "json"}));
    command->footer("CSV: a header line, then one row per response point: frequency [Hz] with 3 decimals and "
                    "every curve [dB] with 6 decimals.");
    command->callback([&context, options, channel, global] {
        if (channel->count() == 0 && global->count() == 0) {
            context.err << "Give --channel CH or --global\n";
            context.exitCode = 2;
            return;
        }
        runResponse(*options, context);
    });
}

} // namespace kelo::cli
