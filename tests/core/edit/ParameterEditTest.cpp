// The edit path against the address tables written out by hand here (never read from the catalogue).
#include "core/edit/ParameterEdit.h"
#include "core/edit/FieldAccess.h"
#include "core/edit/FieldCatalogue.h"
#include "core/edit/FieldValueText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelo {
namespace {

struct Expected {
    const char* name;
    std::uint32_t value;
    ParameterAddress address;
};

UnitSystem systemOf(Family family, int unitCount) {
    UnitSystem system(family);
    for (int i = 0; i < unitCount; ++i) {
        Unit unit = family == Family::TzAmp ? Unit(AmpUnit{}) : Unit(ProcessorUnit{});
        unit.setKey(static_cast<std::uint32_t>(10 + i));
        unit.setBusId(static_cast<std::uint32_t>(4 + i));
        if (AmpUnit* amp = unit.amp()) {
            amp->live.setGanging(false);
        }
        system.appendLoadedUnit(std::move(unit));
    }
    return system;
}

Edit editOf(const UnitSystem& system, const std::string& name, std::uint32_t value,
            EditOrigin origin = EditOrigin::ChannelPage) {
    const auto ref = FieldCatalogue::of(system.family()).parse(name);
    EXPECT_TRUE(ref) << name;
    return Edit{system.units().front()->key(), ref.value_or(FieldRef{}), value, origin};
}

void expectSingleSends(Family family, const std::vector<Expected>& table) {
    for (const Expected& row : table) {
        UnitSystem system = systemOf(family, 1);
        const EditResult result = applyEdit(system, editOf(system, row.name, row.value), {});
        ASSERT_EQ(result.sends.size(), 1U) << row.name;
        const ParameterSend& send = result.sends.front();
        EXPECT_EQ(send.address, row.address)
            << row.name << " block " << int(send.address.block) << " index " << int(send.address.index)
            << " offset " << int(send.address.offset);
        EXPECT_EQ(send.value, row.value) << row.name;
        EXPECT_EQ(send.busId, 4U);
        EXPECT_EQ(send.model, family == Family::TzAmp ? 0x09 : 0x08);
        ASSERT_EQ(result.writes.size(), 1U);
        EXPECT_EQ(readField(*system.units().front(), result.writes.front().field), row.value) << row.name;
    }
}

TEST(ParameterEdit, ProcessorFieldsSendTheirAddresses) {
    const std::vector<Expected> table{
        {"input.A.gain", 40, {0x15, 0, 0x20}},
        {"input.B.delay", 1234, {0x2A, 1, 0x10}},
        {"input.B.eq.3.freq", 77, {0x13, 1, 0x08}},
        {"input.A.eq.1.type", 3, {0x3A, 0, 0x30}},
        {"input.A.eq.2.bandwidth", 9, {0x14, 0, 0x28}},
        {"gate.B.range", 50, {0x1F, 1, 0x50}},
        {"gate.A.release", 20, {0x1F, 0, 0x38}},
        {"gate.A.bypass", 0, {0x1F, 0, 0xF8}},
        {"sum.delay", 500, {0x2A, 2, 0x10}},
        {"output.1.gain", 33, {0x15, 196, 0x20}},
        {"output.3.polarity", 1, {0x35, 198, 0x09}},
        {"output.4.mute", 1, {0x35, 199, 0x00}},
        {"output.5.delay", 100, {0x2A, 200, 0x10}},
        {"output.4.xover.lp_type", 4, {0x38, 199, 0x00}},
        {"output.2.xover.phase", 7, {0x38, 197, 0x10}},
        {"output.6.xover.hp_freq", 90, {0x39, 201, 0x08}},
        {"output.6.eq.5.type", 1, {0x11, 201, 0x30}},
        {"output.4.eq.4.gain", 12, {0x12, 199, 0x00}},
        {"output.2.limiter.ratio", 5, {0x17, 197, 0x30}},
        {"output.2.limiter.threshold", 150, {0x17, 197, 0x40}},
        {"output.1.limiter.speed", 2, {0x17, 196, 0x00}},
        {"ganging.input", 1, {0x35, 255, 0x0F}},
        {"ganging.output", 1, {0x35, 255, 0x10}},
        {"delay_unit.input", 2, {0x2A, 2, 0x28}},
        {"delay_unit.output", 3, {0x2A, 196, 0x28}},
        {"temperature", 60, {0x2A, 255, 0x20}},
        {"temperature_unit", 1, {0x2A, 255, 0x30}},
    };
    expectSingleSends(Family::Tz48P, table);
    expectSingleSends(Family::Tz48, table);
}

TEST(ParameterEdit, AmplifierFieldsSendTheirAddresses) {
    expectSingleSends(Family::TzAmp, {
                                         {"channel.A.gain", 80, {0x15, 196, 0x20}},
                                         {"channel.B.mute", 1, {0x35, 197, 0x00}},
                                         {"channel.A.polarity", 1, {0x35, 196, 0x09}},
                                         {"channel.B.delay", 3000, {0x2A, 1, 0x10}},
                                         {"channel.A.eq.1.gain", 10, {0x3C, 196, 128}},
                                         {"channel.A.eq.1.type", 3, {0x3C, 196, 152}},
                                         {"channel.B.eq.2.freq", 100, {0x3C, 197, 104}},
                                         {"channel.A.eq.5.type", 1, {0x3C, 196, 24}},
                                         {"channel.A.eq.5.bandwidth", 8, {0x3C, 196, 16}},
                                         {"channel.B.eq.6.gain", 40, {0x3A, 197, 0x00}},
                                         {"channel.A.eq.7.gain", 41, {0x14, 196, 0x00}},
                                         {"channel.A.eq.10.bandwidth", 25, {0x11, 196, 0x28}},
                                         {"channel.A.xover.hp_freq", 70, {0x39, 196, 0x08}},
                                         {"channel.B.limiter.threshold", 60, {0x17, 197, 0x40}},
                                         {"hum.B.freq", 120, {0x22, 1, 0x10}},
                                         {"hum.A.threshold", 5, {0x22, 0, 0x18}},
                                         {"gate.A.range", 30, {0x1F, 0, 0x50}},
                                         {"comp.A.high_freq", 18, {0x1E, 0, 0x00}},
                                         {"comp.A.low_ratio", 8, {0x1E, 0, 0x48}},
                                         {"comp.B.mid_gain", 36, {0x1E, 1, 0x60}},
                                         {"comp.B.high_gain", 20, {0x1E, 1, 0x28}},
                                         {"delay_unit", 1, {0x2A, 2, 0x28}},
                                         {"temperature", 40, {0x2A, 255, 0x20}},
                                         {"temperature_unit", 1, {0x2A, 255, 0x30}},
                                     });
}

TEST(ParameterEdit, GangedInputsWriteAndSendBothChannelsInOrder) {
    UnitSystem system = systemOf(Family::Tz48, 1);
    system.units().front()->processor()->live.inputGanging() = 1;
    const EditResult result = applyEdit(system, editOf(system, "input.A.gain", 44), {});
    ASSERT_EQ(result.sends.size(), 2U);
    EXPECT_EQ(result.sends[0].address, (ParameterAddress{0x15, 0, 0x20}));
    EXPECT_EQ(result.sends[1].address, (ParameterAddress{0x15, 1, 0x20}));
    EXPECT_EQ(result.sends[0].value, 44);
    EXPECT_EQ(result.sends[1].value, 44);
    EXPECT_EQ(system.units().front()->processor()->live.inputs[1].gain, 44U);

    // The sum delay has no partner, ganged or not.
    EXPECT_EQ(applyEdit(system, editOf(system, "sum.delay", 10), {}).sends.size(), 1U);
}

TEST(ParameterEdit, LinkWritesEveryUnitByKeyAndTakesThePartnerToo) {
    UnitSystem system = systemOf(Family::Tz48P, 3);
    // A repeated bus identifier must not hide a unit from the link.
    system.units()[2]->setBusId(4);
    EditResult result = applyEdit(system, editOf(system, "output.2.limiter.ratio", 6), EditOptions{true});
    ASSERT_EQ(result.writes.size(), 3U);
    ASSERT_EQ(result.sends.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(system.units()[i]->processor()->live.outputs[1].limiter.ratio, 6U);
        EXPECT_EQ(result.sends[i].address, (ParameterAddress{0x17, 197, 0x30}));
    }
    EXPECT_EQ(result.sends[1].busId, 5U);

    // The edited unit is ganged, the linked ones are not: they still take output 1 and 2 alike.
    system.units().front()->processor()->live.outputGanging() = 1;
    result = applyEdit(system, editOf(system, "output.1.gain", 20), EditOptions{true});
    ASSERT_EQ(result.sends.size(), 6U);
    EXPECT_EQ(system.units()[2]->processor()->live.outputs[1].gain, 20U);
    EXPECT_EQ(result.sends[3].address.index, 197);
}

TEST(ParameterEdit, FlatBandSendsZeroDecibelsAndKeepsTheStoredGain) {
    UnitSystem system = systemOf(Family::Tz48P, 1);
    applyEdit(system, editOf(system, "output.3.eq.2.gain", 45), {});
    EditResult result = applyEdit(system, editOf(system, "output.3.eq.2.flat", 1), {});
    ASSERT_EQ(result.sends.size(), 1U);
    EXPECT_EQ(result.sends[0].address, (ParameterAddress{0x14, 198, 0x00}));
    EXPECT_EQ(result.sends[0].value, 30);
    EXPECT_EQ(system.units().front()->processor()->live.outputs[2].bands[1].gain, 45U);

    // A gain changed while the band is flat is stored; the unit keeps 0 dB.
    result = applyEdit(system, editOf(system, "output.3.eq.2.gain", 50), {});
    EXPECT_EQ(result.sends[0].value, 30);

    result = applyEdit(system, editOf(system, "output.3.eq.2.flat", 0), {});
    EXPECT_EQ(result.sends[0].address, (ParameterAddress{0x14, 198, 0x00}));
    EXPECT_EQ(result.sends[0].value, 50);
}

TEST(ParameterEdit, AmplifierBypassIsSentInvertedAndGangingSetsTheLinkWord) {
    UnitSystem system = systemOf(Family::TzAmp, 1);
    AmpLiveParams& live = system.units().front()->amp()->live;
    for (const char* name : {"hum.A.bypass", "gate.B.bypass", "comp.A.bypass"}) {
        EditResult result = applyEdit(system, editOf(system, name, 1), {});
        EXPECT_EQ(result.sends.at(0).value, 0) << name;
        EXPECT_EQ(result.sends[0].address.offset, 0xF8);
        result = applyEdit(system, editOf(system, name, 0), {});
        EXPECT_EQ(result.sends.at(0).value, 1) << name;
    }
    EXPECT_EQ(live.gateBypass(1), 0U);

    applyEdit(system, editOf(system, "ganging", 1), {});
    EXPECT_EQ(live.word(AmpLiveParams::kLinkModeWord), 2U);
    const EditResult result = applyEdit(system, editOf(system, "ganging", 0), {});
    EXPECT_EQ(live.word(AmpLiveParams::kLinkModeWord), 0U);
    EXPECT_EQ(result.sends.at(0).address, (ParameterAddress{0x35, 255, 0x0F}));

    // Ganged: a channel edit goes to both channels, the low ratio at offset 0x48.
    live.setGanging(true);
    const EditResult ganged = applyEdit(system, editOf(system, "comp.A.low_ratio", 8), {});
    ASSERT_EQ(ganged.sends.size(), 2U);
    EXPECT_EQ(ganged.sends[1].address, (ParameterAddress{0x1E, 1, 0x48}));
    EXPECT_EQ(live.comp[1].word(10), 8U);
}

TEST(ParameterEdit, MuteFromTheGainPageStaysOnItsOwnOutput) {
    UnitSystem system = systemOf(Family::Tz48P, 1);
    system.units().front()->processor()->live.outputGanging() = 1;
    EditResult result = applyEdit(system, editOf(system, "output.3.mute", 1, EditOrigin::GainPage), {});
    ASSERT_EQ(result.writes.size(), 1U);
    EXPECT_EQ(system.units().front()->processor()->live.outputMute(3), 0U);
    result = applyEdit(system, editOf(system, "output.3.mute", 1, EditOrigin::ChannelPage), {});
    ASSERT_EQ(result.sends.size(), 2U);
    EXPECT_EQ(result.sends[1].address, (ParameterAddress{0x35, 199, 0x00}));
}

TEST(ParameterEdit, ClampsAndNeverSendsACutOffDelay) {
    UnitSystem system = systemOf(Family::Tz48, 1);
    EditResult result = applyEdit(system, editOf(system, "output.1.delay", 5000000), {});
    EXPECT_EQ(system.units().front()->processor()->live.outputs[0].delayMm, 100000U);
    EXPECT_TRUE(result.sends.empty());
    EXPECT_EQ(result.wholeSettingsUnits, std::vector<std::uint32_t>{10});

    result = applyEdit(system, editOf(system, "input.A.gain", 999), {});
    EXPECT_EQ(result.sends.at(0).value, 72);

    // Unknown units and fields of the other family change nothing.
    EXPECT_TRUE(applyEdit(system, Edit{99, FieldRef{Field::InputGain}, 1}, {}).empty());
    EXPECT_TRUE(applyEdit(system, Edit{10, FieldRef{Field::HumBypass}, 1}, {}).empty());
    EXPECT_TRUE(applyEdit(system, Edit{10, FieldRef{Field::OutputGain, 6}, 1}, {}).empty());
}

TEST(FieldValueText, ReadsTypedValuesAndRawIndices) {
    UnitSystem system = systemOf(Family::Tz48P, 1);
    const Unit& unit = *system.units().front();
    const FieldCatalogue& catalogue = FieldCatalogue::of(Family::Tz48P);
    const auto read = [&](const char* name, const char* text) {
        return parseFieldValue(unit, *catalogue.parse(name), text);
    };
    EXPECT_EQ(read("output.1.eq.1.gain", "-3dB"), 24U);
    EXPECT_EQ(read("output.1.eq.1.freq", "1k"), 120U);
    EXPECT_EQ(read("output.1.eq.1.freq", "1000Hz"), 120U);
    EXPECT_EQ(read("output.1.eq.1.type", "peaking"), 2U);
    EXPECT_EQ(read("output.1.limiter.speed", "Slow"), 0U);
    EXPECT_EQ(read("output.1.limiter.threshold", "OFF"), 222U);
    EXPECT_EQ(read("output.1.delay", "1.5m"), 1500U);
    EXPECT_EQ(read("output.1.delay", "#999999"), 100000U);
    EXPECT_EQ(read("output.1.gain", "#57"), 57U);
    EXPECT_EQ(read("output.1.eq.1.gain", "+40dB"), 60U);
    EXPECT_FALSE(read("output.1.gain", "loud"));
    EXPECT_FALSE(read("output.1.gain", "#"));
    EXPECT_FALSE(read("output.1.gain", "#5x"));
    EXPECT_FALSE(read("output.1.mute", "maybe"));
}

TEST(FieldCatalogue, NamesRoundTripAndRefuseNonsense) {
    for (const Family family : {Family::Tz48, Family::TzAmp}) {
        const FieldCatalogue& catalogue = FieldCatalogue::of(family);
        for (const FieldRef& ref : catalogue.allRefs()) {
            EXPECT_EQ(catalogue.parse(catalogue.name(ref)), ref) << catalogue.name(ref);
        }
    }
    const FieldCatalogue& processor = FieldCatalogue::of(Family::Tz48P);
    for (const char* bad : {"output.7.gain", "output.0.gain", "input.C.gain", "input.A.eq.6.gain", "input.A",
                            "output.1.gain.x", "temperature.A", "hum.A.freq", ""}) {
        EXPECT_FALSE(processor.parse(bad)) << bad;
    }
    EXPECT_EQ(processor.label(*processor.parse("output.3.gain")), "Output 3 gain");
    EXPECT_EQ(processor.listing().size(), processor.allRefs().size());
}

} // namespace
} // namespace kelo
