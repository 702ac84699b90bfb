#include "core/report/UnitReport.h"

#include "core/units/ProgramName.h"

#include <gtest/gtest.h>

using namespace kelo;
using namespace kelo::report;

namespace {

ProcessorUnit sampleProcessor() {
    ProcessorUnit unit;
    unit.name = u"Main L";
    unit.live.busId() = 1;
    unit.live.currentProgram() = 3;
    unit.live.name = makeProgramName("Stage Left");
    unit.live.routingMode = 1;
    unit.live.temperature() = 50; // +20 degC: 1000 mm are 140 samples
    unit.live.inputs[0].gain = 66;
    unit.live.inputs[0].delayMm = 1000;
    unit.live.sumDelayMm = 2000;
    unit.live.gates[0] = GateSection{20, 50, 17, 61};
    unit.live.gateBypass = {0, 1};
    unit.live.inputs[0].bands[0] = EqBand{9, 120, 19, 40, 0}; // notch: no gain
    unit.live.inputs[0].bands[1] = EqBand{0, 40, 5, 42, 0};   // shelf: no bandwidth
    unit.live.inputs[0].bands[2] = EqBand{2, 200, 59, 0, 1};  // switched flat
    OutputChannel& out1 = unit.live.outputs[0];
    out1.crossover = CrossoverSection{0, 120, 36, 10, 60};
    out1.limiter = LimiterSection{1, 14, 222};
    out1.polarity = 1;
    out1.gain = 72;
    out1.delayMm = 1200;
    unit.live.outputs[1].crossover = CrossoverSection{10, 160, 0, 10, 40};
    return unit;
}

const ProcessorReportText& processorText(const UnitReport& report) {
    return std::get<ProcessorReportText>(report.tables);
}

} // namespace

TEST(UnitReport, ProcessorTextsAreTheScaleTexts) {
    const ProcessorUnit unit = sampleProcessor();
    const UnitReport report = buildUnitReport(Family::Tz48, Unit(unit));
    EXPECT_EQ(report.title, "Main L < ID:2 >  -  Preset: 04F.Stage Left");
    EXPECT_EQ(report.routingCode, "*A135B246*");
    ASSERT_EQ(report.curves.size(), 6U);

    const ProcessorReportText& text = processorText(report);
    EXPECT_EQ(text.inputGains[0], "+3.0dB");
    EXPECT_EQ(text.inputGains[1], "+6.0dB"); // a constructed record's 99 is held at the top of the scale
    const GateText& gate = text.gates[0];
    EXPECT_EQ(gate.threshold + " " + gate.range + " " + gate.attack + " " + gate.release + " " + gate.plugIn,
              "-46.0dB -31.0dB 11.0ms 0.55s On");
    EXPECT_EQ(text.gates[1].plugIn, "Off");

    const auto& eq = text.inputEq[0];
    EXPECT_EQ(eq[0].frequency + "|" + eq[0].gain + "|" + eq[0].bandwidth + "|" + eq[0].type,
              "1k00Hz|----|1.00oct|Notch");
    EXPECT_EQ(eq[1].frequency + "|" + eq[1].gain + "|" + eq[1].bandwidth + "|" + eq[1].type,
              "62.5Hz|+6.0dB|----|LowSh6");
    EXPECT_EQ(eq[2].frequency + "|" + eq[2].gain + "|" + eq[2].bandwidth + "|" + eq[2].type,
              "16k00Hz|-15.0dB|3.00oct|-Flat-");

    const ProcessorOutputText& out = text.outputs[0];
    EXPECT_EQ(out.gain, "+6.0dB");
    EXPECT_EQ(out.polarity, "Reverse");
    EXPECT_EQ(out.highPass, "125Hz Link-Riley 48dB");
    EXPECT_EQ(out.lowPass, "1k00Hz Thru");
    EXPECT_EQ(out.phase, "180deg");
    EXPECT_EQ(out.limiter, "OFF Normal Limiter");
    // One "Link-Riley 48dB" filter takes the last two bands, two of them the last four.
    EXPECT_EQ(out.eq[2].type, "Peaking");
    for (const EqBandText& band : {out.eq[3], out.eq[4]}) {
        EXPECT_EQ(band.frequency + band.gain + band.bandwidth + band.type,
                  "-Not Av.--Not Av.--Not Av.--Not Av.-");
    }
    EXPECT_EQ(text.outputs[1].eq[0].frequency, "2k00Hz");
    for (std::size_t b = 1; b < 5; ++b) {
        EXPECT_EQ(text.outputs[1].eq[b].type, "-Not Av.-") << b;
    }
}

TEST(UnitReport, DelaysFollowTheirGroupsDisplayUnitAndTheTemperature) {
    ProcessorUnit unit = sampleProcessor();
    const char* const inputA[] = {"2917us", "2ms", "1000mm", "1.0m"};
    const char* const sum[] = {"5833us", "5ms", "2000mm", "2.0m"};
    const char* const output[] = {"3500us", "3ms", "1200mm", "1.2m"};
    for (std::uint32_t displayUnit = 0; displayUnit < 4; ++displayUnit) {
        unit.live.inputDelayUnit() = displayUnit;
        unit.live.outputDelayUnit() = 3 - displayUnit;
        const ProcessorReportText text = processorReportText(unit);
        EXPECT_EQ(text.inputDelays[0], inputA[displayUnit]);
        EXPECT_EQ(text.inputDelays[2], sum[displayUnit]);
        EXPECT_EQ(text.outputs[0].delay, output[3 - displayUnit]);
    }
    unit.live.temperature() = 0; // -30 degC: 1000 mm are 154 samples
    unit.live.inputDelayUnit() = 0;
    EXPECT_EQ(processorReportText(unit).inputDelays[0], "3208us");
}

TEST(UnitReport, PresetLabelsAndRoutingCodes) {
    ProcessorUnit unit = sampleProcessor();
    const std::pair<std::uint32_t, const char*> labels[] = {{3, "04F."}, {12, "03U."}, {9, "10F."}};
    for (const auto& [program, label] : labels) {
        unit.live.currentProgram() = program;
        const std::string title = buildUnitReport(Family::Tz48, Unit(unit)).title;
        EXPECT_EQ(title.substr(title.find("Preset: ") + 8), std::string(label) + "Stage Left");
    }
    unit.live.currentProgram() = 12;
    EXPECT_NE(buildUnitReport(Family::Tz48P, Unit(unit)).title.find("Preset: 12U."), std::string::npos);

    const std::pair<std::uint32_t, const char*> codes[] = {
        {0, "*A13B24S56*"}, {1, "*A135B246*"}, {6, "*A123456*"}, {7, "*A12345B6*"}, {200, "*A12345B6*"}};
    for (const auto& [mode, code] : codes) {
        unit.live.routingMode = mode;
        EXPECT_EQ(buildUnitReport(Family::Tz48, Unit(unit)).routingCode, code) << mode;
    }
}

TEST(UnitReport, InModeOneTheEvenOutputsCarryInputBsEq) {
    ProcessorUnit unit;
    unit.live.routingMode = 1;
    unit.live.inputs[1].bands[0] = EqBand{2, 120, 19, 42, 0}; // +6 dB at 1 kHz on input B only
    unit.graphSwitches = {1, 0, 0};
    const UnitReport report = buildUnitReport(Family::Tz48, Unit(unit));
    const std::size_t oneKilohertz = 132;
    for (std::size_t o = 0; o < 6; ++o) {
        EXPECT_NEAR(report.curves[o][oneKilohertz], o % 2 == 1 ? 6.0 : 0.0, 0.01) << "output " << o + 1;
    }
}

TEST(UnitReport, AmplifierTextsAndSwitches) {
    AmpUnit unit = makeAmpUnit();
    unit.name = u"Sub";
    unit.live.busId() = 4;
    unit.live.currentProgram() = 2;
    unit.live.inputs[1].delayMm = 2000;
    unit.live.hum[0] = HumSection{20, 80, 0, 300};
    unit.live.comp[0].word(4) = 14; // beyond the compressor's ratios: the last one
    unit.live.setHumBypass(0, 0);
    unit.live.outputs[1].crossover.lowPassType = 10;
    unit.graphSwitches = {1, 0, 1};
    const UnitReport report = buildUnitReport(Family::TzAmp, Unit(unit));
    EXPECT_EQ(report.title.substr(0, 32), "Sub < ID:5 >  -  Preset: 02U. *D");
    EXPECT_TRUE(report.routingCode.empty());
    EXPECT_FALSE(report.switches.inputEq); // the amplifier's curves never carry the channel-input EQ
    ASSERT_EQ(report.curves.size(), 2U);

    const AmpReportText& text = std::get<AmpReportText>(report.tables);
    const AmpChannelText& b = text.channels[1];
    EXPECT_EQ(b.gain, "+0.0dB");
    EXPECT_EQ(b.delay, "2.0m");
    EXPECT_EQ(b.limiter, "+0.0dB Normal Limiter");
    EXPECT_EQ(b.lowPass, "1k00Hz Link-Riley 48dB");
    EXPECT_EQ(b.eq[7].type, "-Flat-");
    EXPECT_EQ(b.eq[8].type, "-Not Av.-");
    EXPECT_EQ(b.eq[9].gain, "-Not Av.-");

    const HumText& hum = text.hum[0];
    EXPECT_EQ(hum.frequency + " " + hum.threshold + " " + hum.attack + " " + hum.release + " " + hum.plugIn,
              "70.0Hz -60dB 11.0ms 2.10s On");
    EXPECT_EQ(text.gates[1].threshold + " " + text.gates[1].range, "-60.0dB -80.0dB");
    const std::array<std::string, 14> comp{"8.0dB", "63Hz",    "1.1",  "+0.0dB", "0.5ms", "0.01s", "+0.0dB",
                                           "8.0dB", "16k00Hz", "20.0", "+0.0dB", "0.5ms", "0.01s", "Off"};
    EXPECT_EQ(text.multiComp[0], comp);
}
