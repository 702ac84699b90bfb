// What units send in dump blocks, for all three families: the settings and program images the editor
// decodes after an upload, an amplifier upload read block by block from a noisy line, and the
// acknowledgements a download waits for. Every decoder keeps to its image, and the image of what it
// decoded decodes and encodes to that same image; every exchange ends within its attempts.
#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/protocol/MessageExchange.h"
#include "fuzz/FuzzLine.h"

namespace {

using namespace kelo;
using fuzz::BytesLine;
using fuzz::check;

void processorImages(std::span<const std::uint8_t> image, Family family) {
    LiveParams live;
    live.busId() = 7;
    processor_image::decodeSettings(image, live, family);
    check(live.busId() == 7); // the identifier is not part of the image
    const auto settings = processor_image::encodeSettings(live, family);
    LiveParams again;
    again.busId() = 7;
    processor_image::decodeSettings(settings, again, family);
    check(processor_image::encodeSettings(again, family) == settings);

    UnitParams program;
    processor_image::decodeProgram(image, program);
    const auto programImage = processor_image::encodeProgram(program);
    UnitParams programAgain;
    processor_image::decodeProgram(programImage, programAgain);
    check(processor_image::encodeProgram(programAgain) == programImage);
}

void ampImages(std::span<const std::uint8_t> image) {
    AmpLiveParams live;
    amp_image::decodeSettings(image, live);
    const auto settings = amp_image::encodeSettings(live);
    AmpLiveParams again;
    amp_image::decodeSettings(settings, again);
    check(amp_image::encodeSettings(again) == settings);

    AmpParams program;
    amp_image::decodeProgram(image, program);
    const auto programImage = amp_image::encodeProgram(program);
    AmpParams programAgain;
    amp_image::decodeProgram(programImage, programAgain);
    check(amp_image::encodeProgram(programAgain) == programImage);
}

// Blocks a receiver takes for one image; the engine's own limit.
constexpr std::size_t kMaxBlocks = 4;

void ampUpload(const std::uint8_t* data, std::size_t size) {
    const FamilyLine& line = familyLine(Family::TzAmp);
    BytesLine wire(data, size);
    MessageExchange exchange(wire, Family::TzAmp);
    std::vector<std::uint8_t> image;
    const CommResult result =
        exchange.uploadImage(line.model, 5, settingsDumpTarget(DumpDirection::FromUnit), kMaxBlocks, image);
    // A block unpacks to at most 7/8 of the receive buffer.
    check(image.size() <= kMaxBlocks * kBlockBufferBytes);
    if (result != CommResult::Ok) {
        return;
    }
    AmpLiveParams live;
    amp_image::decodeSettings(image, live);
    const auto settings = amp_image::encodeSettings(live);
    AmpLiveParams again;
    amp_image::decodeSettings(settings, again);
    check(amp_image::encodeSettings(again) == settings);
}

void downloadAcknowledgement(const std::uint8_t* data, std::size_t size, Family family) {
    const FamilyLine& line = familyLine(family);
    BytesLine wire(data, size);
    MessageExchange exchange(wire, family);
    const std::vector<std::uint8_t> raw(line.settingsRawBytes, 0x55);
    const CommResult result = exchange.downloadImage(line.model, 9, settingsDumpTarget(DumpDirection::ToUnit),
                                                     raw, line.settingsPackedBytes);
    // The request is made three times at most, the block sent five times at most.
    check(wire.writes() <= static_cast<std::size_t>(kExchangeAttempts + kBlockAttempts));
    if (result == CommResult::Ok) {
        check(wire.writes() >= 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    processorImages(bytes, Family::Tz48);
    processorImages(bytes, Family::Tz48P);
    ampImages(bytes);
    ampUpload(data, size);
    for (Family family : {Family::Tz48, Family::Tz48P, Family::TzAmp}) {
        downloadAcknowledgement(data, size, family);
    }
    return 0;
}
