#include "core/comm/images/ProcessorImage.h"

#include "core/comm/images/ImageReader.h"
#include "core/comm/images/ImageWriter.h"
#include "core/comm/images/TransferPlan.h"

namespace kelo::processor_image {

namespace {

using image::Bits;

constexpr std::size_t kInputOffset = 12;
constexpr std::size_t kInputStride = 24;
constexpr std::size_t kGateOffset = 60;
constexpr std::size_t kOutputOffset = 68;
constexpr std::size_t kOutputStride = 32;
constexpr std::size_t kProgramWordOffset = 260;
constexpr std::size_t kBandCount = 5;

template <class Io> void walkProgram(Io& io, UnitParams& p) {
    io.name(0, p.name, true);
    for (std::size_t k = 0; k < UnitParams::kInputCount; ++k) {
        const std::size_t at = kInputOffset + k * kInputStride;
        InputChannel& input = p.inputs[k];
        for (std::size_t b = 0; b < kBandCount; ++b) {
            io.band(at + 4 * b, input.bands[b]);
        }
        io.word(at + 20, {{input.delayMm, 0, 20}, {input.gain, 20, 7}});
    }
    for (std::size_t k = 0; k < UnitParams::kInputCount; ++k) {
        GateSection& gate = p.gates[k];
        io.word(kGateOffset + 4 * k, {{gate.attack, 0, 7},
                                      {gate.range, 7, 7},
                                      {gate.release, 14, 7},
                                      {gate.threshold, 21, 7},
                                      {p.gateBypass[k], 28, 1}});
    }
    for (std::size_t k = 0; k < UnitParams::kOutputCount; ++k) {
        const std::size_t at = kOutputOffset + k * kOutputStride;
        OutputChannel& out = p.outputs[k];
        for (std::size_t b = 0; b < kBandCount; ++b) {
            io.band(at + 4 * b, out.bands[b]);
        }
        io.word(at + 20, {{out.delayMm, 0, 17},
                          {out.crossover.lowPassType, 17, 4},
                          {out.crossover.lowPassFrequency, 21, 8}});
        io.word(at + 24, {{out.crossover.phase, 0, 6},
                          {out.crossover.highPassType, 6, 4},
                          {out.crossover.highPassFrequency, 10, 8},
                          {out.gain, 18, 7},
                          {out.polarity, 25, 1}});
        io.word(at + 28,
                {{out.limiter.speed, 0, 7}, {out.limiter.threshold, 14, 8}, {out.limiter.ratio, 22, 4}});
    }
    io.word(kProgramWordOffset, {{p.sumDelayMm, 0, 20}, {p.routingMode, 20, 3}, {p.used, 23, 1}});
}

template <class Io> void walkSettings(Io& io, LiveParams& live, const TransferPlan& plan) {
    walkProgram(io, live);
    io.word(kProgramSize, {{live.word(1), 0, 32}});

    // The current program travels as a number within its kind: factory programs as they are, user
    // programs counted from the family's first user program number, with a flag telling which.
    const std::uint32_t current = live.currentProgram();
    std::uint32_t isUser = plan.isUserProgram(current) ? 1 : 0;
    std::uint32_t number = isUser ? current - plan.firstUserProgram : current;
    const bool present = io.word(kProgramSize + 4, {{live.word(2), 0, 2},
                                                    {number, 2, 10},
                                                    {isUser, 12, 1},
                                                    {live.word(5), 14, 1},
                                                    {live.word(6), 15, 1},
                                                    {live.inputGanging(), 17, 1},
                                                    {live.outputGanging(), 18, 1},
                                                    {live.word(10), 19, 1},
                                                    {live.inputDelayUnit(), 20, 2},
                                                    {live.outputDelayUnit(), 22, 2},
                                                    {live.word(13), 24, 1},
                                                    {live.temperatureUnit(), 25, 1},
                                                    {live.word(16), 27, 1}});
    if (present) {
        live.currentProgram() = isUser ? number + plan.firstUserProgram : number;
    }

    io.word(kProgramSize + 8, {{live.temperature(), 0, 7},
                               {live.word(18), 7, 1},
                               {live.word(19), 8, 6},
                               {live.word(20), 14, 1},
                               {live.word(21), 15, 1},
                               {live.word(22), 16, 1},
                               {live.word(23), 17, 1},
                               {live.word(24), 18, 1},
                               {live.word(25), 19, 1},
                               {live.word(26), 20, 1}});
}

} // namespace

ProgramImage encodeProgram(const UnitParams& program) {
    ProgramImage bytes{};
    UnitParams source = program;
    image::ImageWriter writer(bytes);
    walkProgram(writer, source);
    return bytes;
}

void decodeProgram(std::span<const std::uint8_t> image, UnitParams& program) {
    image::ImageReader reader(image);
    walkProgram(reader, program);
}

SettingsImage encodeSettings(const LiveParams& live, Family family) {
    SettingsImage bytes{};
    LiveParams source = live;
    image::ImageWriter writer(bytes);
    walkSettings(writer, source, transferPlan(family));
    return bytes;
}

void decodeSettings(std::span<const std::uint8_t> image, LiveParams& live, Family family) {
    image::ImageReader reader(image);
    walkSettings(reader, live, transferPlan(family));
}

} // namespace kelo::processor_image
