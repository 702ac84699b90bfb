// The curves `kelo response` and the unit windows draw, over programs holding any stored words (a
// crafted or damaged file keeps out-of-range indices): every table lookup stays inside its table and
// every point of every curve is a number.
#include "core/scales/ChannelResponse.h"
#include "core/scales/GlobalResponse.h"
#include "core/units/ArchiveReader.h"
#include "core/units/amp/AmpUnitBody.h"
#include "core/units/processor/ProcessorUnitBody.h"
#include "fuzz/FuzzLine.h"

#include <cmath>
#include <vector>

namespace {

using namespace kelo;

void checkCurve(const Curve& curve) {
    for (double db : curve) {
        fuzz::check(!std::isnan(db));
    }
}

void checkChannel(const ChannelResponse& response) {
    fuzz::check(response.bandCount <= kMaxChannelBands);
    checkCurve(response.total);
    checkCurve(response.highPass);
    checkCurve(response.lowPass);
    for (std::size_t b = 0; b < response.bandCount; ++b) {
        checkCurve(response.bands[b]);
    }
}

/// The fuzzer's bytes repeated to fill an image, so short inputs still set every word.
std::vector<std::uint8_t> filled(std::span<const std::uint8_t> bytes, std::size_t size) {
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i) {
        image[i] = bytes[i % bytes.size()];
    }
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const GlobalCurveSwitches switches{(data[0] & 1U) != 0, (data[0] & 2U) != 0, (data[0] & 4U) != 0};
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    ChannelResponse response;

    UnitParams processor;
    const std::vector<std::uint8_t> processorImage = filled(bytes, kUnitParamsImageSize);
    ArchiveReader processorArchive(processorImage);
    readUnitParamsImage(processorArchive, processor);
    for (const InputChannel& input : processor.inputs) {
        computeEqualizer(response, input.bands);
        checkChannel(response);
    }
    for (const OutputChannel& output : processor.outputs) {
        ComputeChannel(response, output.crossover, output.bands);
        checkChannel(response);
    }
    std::array<Curve, UnitParams::kOutputCount> processorCurves{};
    composeGlobalCurves(processorCurves, processor, switches);
    for (const Curve& curve : processorCurves) {
        checkCurve(curve);
    }

    AmpParams amp;
    const std::vector<std::uint8_t> ampImage = filled(bytes, kAmpParamsImageSize);
    ArchiveReader ampArchive(ampImage);
    readAmpParamsImage(ampArchive, amp);
    for (const AmpOutputChannel& output : amp.outputs) {
        ComputeChannel(response, output.crossover, output.bands);
        checkChannel(response);
    }
    std::array<Curve, AmpParams::kChannelCount> ampCurves{};
    composeGlobalCurves(ampCurves, amp, switches);
    for (const Curve& curve : ampCurves) {
        checkCurve(curve);
    }
    return 0;
}
