#include "core/comm/images/AmpImage.h"

#include "core/comm/images/ImageReader.h"
#include "core/comm/images/ImageWriter.h"

#include <algorithm>

namespace kelo::amp_image {

namespace {

constexpr std::size_t kHumOffset = 12;
constexpr std::size_t kCompOffset = 20;
constexpr std::size_t kCompStride = 12;
constexpr std::size_t kGateOffset = 44;
constexpr std::size_t kInputOffset = 52;
constexpr std::size_t kInputStride = 24;
constexpr std::size_t kOutputOffset = 100;
constexpr std::size_t kOutputStride = 52;
constexpr std::size_t kUsedOffset = 204;

template <class Io> void walkProgram(Io& io, AmpParams& p) {
    io.name(0, p.name, false);
    for (std::size_t k = 0; k < AmpParams::kChannelCount; ++k) {
        HumSection& hum = p.hum[k];
        io.word(kHumOffset + 4 * k,
                {{hum.attack, 0, 7}, {hum.release, 7, 7}, {hum.frequency, 14, 9}, {hum.threshold, 23, 6}});
    }
    for (std::size_t k = 0; k < AmpParams::kChannelCount; ++k) {
        const std::size_t at = kCompOffset + k * kCompStride;
        CompressorSection& c = p.comp[k];
        io.word(at, {{c.word(1), 0, 5},
                     {c.word(2), 5, 7},
                     {c.word(3), 12, 7},
                     {c.word(4), 19, 4},
                     {c.word(5), 23, 7}});
        io.word(at + 4, {{c.word(6), 0, 7},
                         {c.word(7), 7, 5},
                         {c.word(8), 12, 7},
                         {c.word(9), 19, 7},
                         {c.word(10), 26, 4}});
        io.word(at + 8, {{c.word(11), 0, 7}, {c.word(12), 7, 7}, {c.word(13), 14, 7}});
    }
    for (std::size_t k = 0; k < AmpParams::kChannelCount; ++k) {
        GateSection& gate = p.gates[k];
        io.word(kGateOffset + 4 * k,
                {{gate.attack, 0, 7}, {gate.range, 7, 7}, {gate.release, 14, 7}, {gate.threshold, 21, 7}});
    }
    for (std::size_t k = 0; k < AmpParams::kChannelCount; ++k) {
        const std::size_t at = kInputOffset + k * kInputStride;
        InputChannel& input = p.inputs[k];
        for (std::size_t b = 0; b < InputChannel::kBandCount; ++b) {
            io.band(at + 4 * b, input.bands[b]);
        }
        io.word(at + 20, {{input.delayMm, 0, 18}, {input.gain, 18, 7}});
    }
    for (std::size_t k = 0; k < AmpParams::kChannelCount; ++k) {
        const std::size_t at = kOutputOffset + k * kOutputStride;
        AmpOutputChannel& out = p.outputs[k];
        for (std::size_t b = 0; b < AmpOutputChannel::kBandCount; ++b) {
            io.band(at + 4 * b, out.bands[b]);
        }
        io.word(at + 40, {{out.delayMm, 0, 16},
                          {out.crossover.lowPassType, 16, 4},
                          {out.crossover.lowPassFrequency, 20, 8}});
        io.word(at + 44, {{out.crossover.phase, 0, 6},
                          {out.crossover.highPassType, 6, 4},
                          {out.crossover.highPassFrequency, 10, 8},
                          {out.gain, 18, 7},
                          {out.polarity, 25, 1}});
        io.word(at + 48,
                {{out.limiter.speed, 0, 7}, {out.limiter.ratio, 7, 7}, {out.limiter.threshold, 14, 8}});
    }
    io.word(kUsedOffset, {{p.used, 21, 1}});
}

template <class Io> void walkSettings(Io& io, AmpLiveParams& live) {
    walkProgram(io, live);
    io.word(kProgramSize, {{live.word(1), 0, 32}});
    io.word(kProgramSize + 4, {{live.word(2), 0, 2},
                               {live.currentProgram(), 2, 7},
                               {live.word(4), 9, 1},
                               {live.word(5), 10, 1},
                               {live.word(6), 11, 1},
                               {live.busId(), 12, 5},
                               {live.word(AmpLiveParams::kGangingWord), 22, 1},
                               {live.word(8), 23, 1},
                               {live.word(9), 24, 1},
                               {live.delayUnit(), 25, 2},
                               {live.word(11), 27, 2},
                               {live.word(12), 29, 1},
                               {live.temperatureUnit(), 30, 1},
                               {live.word(14), 31, 1}});

    // The image carries which blocks are switched in, the records which are by-passed.
    constexpr std::size_t kBypassWords[6] = {24, 25, 22, 23, 20, 21};
    std::uint32_t switchedIn[6];
    for (std::size_t i = 0; i < 6; ++i) {
        switchedIn[i] = live.word(kBypassWords[i]) == 0 ? 1 : 0;
    }
    const bool present = io.word(kProgramSize + 8, {{live.temperature(), 0, 7},
                                                    {live.word(16), 7, 1},
                                                    {live.word(AmpLiveParams::kLinkModeWord), 8, 6},
                                                    {live.word(18), 14, 1},
                                                    {live.word(19), 15, 1},
                                                    {live.word(26), 18, 1},
                                                    {switchedIn[0], 19, 1},
                                                    {switchedIn[1], 20, 1},
                                                    {switchedIn[2], 21, 1},
                                                    {switchedIn[3], 22, 1},
                                                    {switchedIn[4], 23, 1},
                                                    {switchedIn[5], 24, 1}});
    if (present) {
        for (std::size_t i = 0; i < 6; ++i) {
            live.word(kBypassWords[i]) = switchedIn[i] ? 0 : 1;
        }
    }
}

} // namespace

ProgramImage encodeProgram(const AmpParams& program) {
    ProgramImage bytes{};
    AmpParams source = program;
    image::ImageWriter writer(bytes);
    walkProgram(writer, source);
    return bytes;
}

void decodeProgram(std::span<const std::uint8_t> image, AmpParams& program) {
    image::ImageReader reader(image.first(std::min(image.size(), kProgramSize)));
    walkProgram(reader, program);
}

SettingsImage encodeSettings(const AmpLiveParams& live) {
    SettingsImage bytes{};
    AmpLiveParams source = live;
    image::ImageWriter writer(bytes);
    walkSettings(writer, source);
    return bytes;
}

void decodeSettings(std::span<const std::uint8_t> image, AmpLiveParams& live) {
    image::ImageReader reader(image.first(std::min(image.size(), kSettingsSize)));
    walkSettings(reader, live);
}

} // namespace kelo::amp_image
