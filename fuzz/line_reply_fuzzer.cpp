// Replies read from a line that carries arbitrary bytes: every reader must stay within its buffers,
// end, and give back only what the frame layout allows.
#include "core/comm/protocol/MessageExchange.h"
#include "core/comm/protocol/Pack7in8.h"
#include "fuzz/FuzzLine.h"

namespace {

using namespace kelo;
using fuzz::BytesLine;
using fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    if (auto parameter = decodeParameterSet(bytes)) {
        const auto again = encodeParameterSet(*parameter);
        check(std::equal(again.begin(), again.end(), bytes.begin(), bytes.end()));
    }
    DumpBlockData block;
    if (decodeDumpBlock(bytes, block) == CommResult::Ok) {
        check(block.packed.size() + kDumpBlockHeaderBytes + kDumpBlockCrcBytes == size);
    }
    if (auto frame = decodeFrame(bytes)) {
        check(encodeFrame(frame->model, frame->identifier, frame->command, frame->data) ==
              std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }

    for (Family family : {Family::Tz48, Family::TzAmp}) {
        BytesLine line(data, size);
        MessageExchange exchange(line, family);
        Reply reply;
        if (exchange.readReply(3, 2, reply) == CommResult::Ok) {
            check(reply.data.size() <= kBlockBufferBytes);
        }
        std::array<std::uint32_t, 18> status{};
        exchange.statusPoll(familyLine(family).model, 3, status);
    }

    BytesLine uploadLine(data, size);
    MessageExchange upload(uploadLine, Family::Tz48);
    std::vector<std::uint8_t> image;
    if (upload.uploadImage(kModelProcessor, 3, {0x40, 0}, 2, image) == CommResult::Ok) {
        check(image.size() <= 2 * (kBlockBufferBytes / 8) * 7);
    }
    return 0;
}
