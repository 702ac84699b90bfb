#include "cli/SystemJson.h"

#include "core/units/TextConvert.h"

#include <array>
#include <limits>

namespace kelo::cli {
namespace {

using Json = nlohmann::ordered_json;

// ---- writing -------------------------------------------------------------------------------------

Json bandToJson(const EqBand& band) {
    return Json{{"type", band.type},
                {"freq", band.frequency},
                {"bandwidth", band.bandwidth},
                {"gain", band.gain},
                {"flat", band.flat}};
}

template <std::size_t N> Json bandsToJson(const std::array<EqBand, N>& bands) {
    Json list = Json::array();
    for (const EqBand& band : bands) {
        list.push_back(bandToJson(band));
    }
    return list;
}

Json inputToJson(const InputChannel& input) {
    return Json{{"bands", bandsToJson(input.bands)}, {"gain", input.gain}, {"delay_mm", input.delayMm}};
}

template <std::size_t N> Json outputToJson(const BasicOutputChannel<N>& output) {
    const CrossoverSection& x = output.crossover;
    return Json{{"crossover", Json{{"lp_type", x.lowPassType},
                                   {"lp_freq", x.lowPassFrequency},
                                   {"phase", x.phase},
                                   {"hp_type", x.highPassType},
                                   {"hp_freq", x.highPassFrequency}}},
                {"bands", bandsToJson(output.bands)},
                {"limiter", Json{{"speed", output.limiter.speed},
                                 {"ratio", output.limiter.ratio},
                                 {"threshold", output.limiter.threshold}}},
                {"gain", output.gain},
                {"polarity", output.polarity},
                {"delay_mm", output.delayMm}};
}

Json gateToJson(const GateSection& gate) {
    return Json{{"attack", gate.attack},
                {"release", gate.release},
                {"threshold", gate.threshold},
                {"range", gate.range}};
}

template <class Item, std::size_t N, class Convert>
Json listToJson(const std::array<Item, N>& items, Convert convert) {
    Json list = Json::array();
    for (const Item& item : items) {
        list.push_back(convert(item));
    }
    return list;
}

Json programToJson(const UnitParams& p) {
    return Json{{"name", programNameBytesAsText(p.name)},
                {"inputs", listToJson(p.inputs, inputToJson)},
                {"gates", listToJson(p.gates, gateToJson)},
                {"gate_bypass", p.gateBypass},
                {"outputs", listToJson(p.outputs, outputToJson<OutputChannel::kBandCount>)},
                {"sum_delay_mm", p.sumDelayMm},
                {"routing", p.routingMode},
                {"used", p.used}};
}

Json programToJson(const AmpParams& p) {
    const auto hum = [](const HumSection& h) {
        return Json{{"attack", h.attack},
                    {"release", h.release},
                    {"threshold", h.threshold},
                    {"frequency", h.frequency}};
    };
    return Json{{"name", programNameBytesAsText(p.name)},
                {"inputs", listToJson(p.inputs, inputToJson)},
                {"hum", listToJson(p.hum, hum)},
                {"gates", listToJson(p.gates, gateToJson)},
                {"comp", listToJson(p.comp, [](const CompressorSection& c) { return Json(c.words); })},
                {"outputs", listToJson(p.outputs, outputToJson<AmpOutputChannel::kBandCount>)},
                {"reserved", p.reserved},
                {"used", p.used}};
}

template <class UnitRecord> Json unitToJson(const UnitRecord& unit) {
    Json live = programToJson(unit.live.program());
    live["extra"] = unit.live.extra;
    Json programs = Json::array();
    for (const auto& program : unit.programs) {
        programs.push_back(programToJson(program));
    }
    return Json{{"key", unit.key},
                {"name", utf16ToUtf8(unit.name)},
                {"id", std::uint64_t{unit.live.busId()} + 1},
                {"live", std::move(live)},
                {"programs", std::move(programs)}};
}

// ---- reading -------------------------------------------------------------------------------------

/// A JSON value together with where it sits, for error messages.
struct Node {
    const nlohmann::json& value;
    std::string path;

    [[noreturn]] void fail(const std::string& what) const { throw JsonFormatError(path + ": " + what); }

    Node member(const char* key) const {
        if (!value.is_object()) {
            fail("expected an object");
        }
        const auto it = value.find(key);
        if (it == value.end()) {
            throw JsonFormatError(path + ": missing \"" + key + "\"");
        }
        return {*it, path.empty() ? key : path + "." + key};
    }

    Node element(std::size_t index) const { return {value[index], path + "[" + std::to_string(index) + "]"}; }

    std::size_t arraySize(std::size_t expected) const {
        if (!value.is_array()) {
            fail("expected an array");
        }
        if (expected != 0 && value.size() != expected) {
            fail("expected " + std::to_string(expected) + " elements, found " + std::to_string(value.size()));
        }
        return value.size();
    }

    std::uint64_t unsignedNumber(std::uint64_t max) const {
        if (!value.is_number_unsigned() && !(value.is_number_integer() && value.get<std::int64_t>() >= 0)) {
            fail("expected an unsigned integer");
        }
        const auto number = value.get<std::uint64_t>();
        if (number > max) {
            fail("number out of range");
        }
        return number;
    }

    std::uint32_t u32() const {
        return static_cast<std::uint32_t>(unsignedNumber(std::numeric_limits<std::uint32_t>::max()));
    }

    std::string text() const {
        if (!value.is_string()) {
            fail("expected a string");
        }
        return value.get<std::string>();
    }
};

void readWord(const Node& node, const char* key, std::uint32_t& target) {
    target = node.member(key).u32();
}

template <std::size_t N> void readWords(const Node& node, std::array<std::uint32_t, N>& words) {
    node.arraySize(N);
    for (std::size_t i = 0; i < N; ++i) {
        words[i] = node.element(i).u32();
    }
}

template <class Item, std::size_t N, class Read>
void readList(const Node& node, std::array<Item, N>& items, Read read) {
    node.arraySize(N);
    for (std::size_t i = 0; i < N; ++i) {
        read(node.element(i), items[i]);
    }
}

void readBand(const Node& node, EqBand& band) {
    readWord(node, "type", band.type);
    readWord(node, "freq", band.frequency);
    readWord(node, "bandwidth", band.bandwidth);
    readWord(node, "gain", band.gain);
    readWord(node, "flat", band.flat);
}

void readInput(const Node& node, InputChannel& input) {
    readList(node.member("bands"), input.bands, readBand);
    readWord(node, "gain", input.gain);
    readWord(node, "delay_mm", input.delayMm);
}

template <std::size_t N> void readOutput(const Node& node, BasicOutputChannel<N>& output) {
    const Node crossover = node.member("crossover");
    readWord(crossover, "lp_type", output.crossover.lowPassType);
    readWord(crossover, "lp_freq", output.crossover.lowPassFrequency);
    readWord(crossover, "phase", output.crossover.phase);
    readWord(crossover, "hp_type", output.crossover.highPassType);
    readWord(crossover, "hp_freq", output.crossover.highPassFrequency);
    readList(node.member("bands"), output.bands, readBand);
    const Node limiter = node.member("limiter");
    readWord(limiter, "speed", output.limiter.speed);
    readWord(limiter, "ratio", output.limiter.ratio);
    readWord(limiter, "threshold", output.limiter.threshold);
    readWord(node, "gain", output.gain);
    readWord(node, "polarity", output.polarity);
    readWord(node, "delay_mm", output.delayMm);
}

void readGate(const Node& node, GateSection& gate) {
    readWord(node, "attack", gate.attack);
    readWord(node, "release", gate.release);
    readWord(node, "threshold", gate.threshold);
    readWord(node, "range", gate.range);
}

void readProgramName(const Node& node, ProgramName& name) {
    const Node field = node.member("name");
    if (!programNameFromBytesText(field.text(), name)) {
        field.fail("expected 12 characters U+0000..U+00FF");
    }
}

void readProgram(const Node& node, UnitParams& p) {
    readProgramName(node, p.name);
    readList(node.member("inputs"), p.inputs, readInput);
    readList(node.member("gates"), p.gates, readGate);
    readWords(node.member("gate_bypass"), p.gateBypass);
    readList(node.member("outputs"), p.outputs, readOutput<OutputChannel::kBandCount>);
    readWord(node, "sum_delay_mm", p.sumDelayMm);
    readWord(node, "routing", p.routingMode);
    readWord(node, "used", p.used);
}

void readProgram(const Node& node, AmpParams& p) {
    readProgramName(node, p.name);
    readList(node.member("inputs"), p.inputs, readInput);
    readList(node.member("hum"), p.hum, [](const Node& n, HumSection& h) {
        readWord(n, "attack", h.attack);
        readWord(n, "release", h.release);
        readWord(n, "threshold", h.threshold);
        readWord(n, "frequency", h.frequency);
    });
    readList(node.member("gates"), p.gates, readGate);
    readList(node.member("comp"), p.comp, [](const Node& n, CompressorSection& c) { readWords(n, c.words); });
    readList(node.member("outputs"), p.outputs, readOutput<AmpOutputChannel::kBandCount>);
    readWord(node, "reserved", p.reserved);
    readWord(node, "used", p.used);
}

template <class UnitRecord> UnitRecord readUnit(const Node& node) {
    UnitRecord unit;
    readWord(node, "key", unit.key);
    const Node name = node.member("name");
    std::optional<std::u16string> text = utf8ToUtf16(name.text());
    if (!text) {
        name.fail("not valid UTF-8");
    }
    unit.name = std::move(*text);
    const Node live = node.member("live");
    readProgram(live, unit.live);
    readWords(live.member("extra"), unit.live.extra);
    const std::uint64_t id =
        node.member("id").unsignedNumber(std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1);
    if (id == 0) {
        node.member("id").fail("identifiers count from 1");
    }
    unit.live.busId() = static_cast<std::uint32_t>(id - 1);
    readList(node.member("programs"), unit.programs,
             [](const Node& n, auto& program) { readProgram(n, program); });
    return unit;
}

} // namespace

nlohmann::ordered_json systemToJson(const UnitSystem& system) {
    Json units = Json::array();
    for (const auto& unit : system.units()) {
        units.push_back(unit->visit([](const auto& record) { return unitToJson(record); }));
    }
    return Json{{"family", std::string(familyKey(system.family()))},
                {"last_unit_key", system.lastUnitKey()},
                {"units", std::move(units)}};
}

UnitSystem systemFromJson(const nlohmann::json& json) {
    const Node root{json, ""};
    const Node familyNode = root.member("family");
    const std::optional<Family> family = familyFromKey(familyNode.text());
    if (!family) {
        familyNode.fail("expected \"tz48\", \"tz48p\" or \"amp\"");
    }
    UnitSystem system(*family);
    const Node units = root.member("units");
    const std::size_t count = units.arraySize(0);
    for (std::size_t i = 0; i < count; ++i) {
        const Node node = units.element(i);
        if (system.holdsAmpUnits()) {
            system.appendLoadedUnit(Unit(readUnit<AmpUnit>(node)));
        } else {
            system.appendLoadedUnit(Unit(readUnit<ProcessorUnit>(node)));
        }
    }
    system.setLastUnitKey(root.member("last_unit_key").u32());
    return system;
}

} // namespace kelo::cli
