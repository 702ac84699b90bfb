#include "core/comm/protocol/Message.h"

#include "core/comm/protocol/Crc.h"

#include <algorithm>

namespace kelo {

std::vector<std::uint8_t> encodeFrame(std::uint8_t model, std::uint8_t identifier, Command command,
                                      std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> frame;
    frame.reserve(data.size() + kFrameOverhead);
    frame.push_back(kStartByte);
    frame.push_back(kMarkerByte);
    frame.push_back(model);
    frame.push_back(identifier);
    frame.push_back(toByte(command));
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(kEndByte);
    return frame;
}

std::optional<Frame> decodeFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFrameOverhead || bytes.front() != kStartByte || bytes.back() != kEndByte ||
        bytes[1] != kMarkerByte) {
        return std::nullopt;
    }
    const auto inner = bytes.subspan(2, bytes.size() - 3);
    for (std::uint8_t byte : inner) {
        if (byte >= 0x80) {
            return std::nullopt;
        }
    }
    Frame frame;
    frame.model = bytes[2];
    frame.identifier = bytes[3];
    frame.command = static_cast<Command>(bytes[4]);
    frame.data.assign(bytes.begin() + 5, bytes.end() - 1);
    return frame;
}

std::array<std::uint8_t, kParameterSetDataBytes> encodeParameterSet(const ParameterSetData& parameter) {
    std::array<std::uint8_t, kParameterSetDataBytes> data{};
    data[0] = parameter.blockCode & 0x7F;
    data[1] = parameter.index & 0x7F;
    data[2] = parameter.offset & 0x7F;
    data[3] = static_cast<std::uint8_t>(parameter.value & 0x7F);
    data[4] = static_cast<std::uint8_t>((parameter.value >> 7) & 0x7F);
    unsigned high = (parameter.value >> 14) & 0x03;
    high |= (parameter.offset & 0x80) != 0 ? 0x04u : 0u;
    high |= (parameter.index & 0x80) != 0 ? 0x08u : 0u;
    high |= (parameter.blockCode & 0x80) != 0 ? 0x10u : 0u;
    data[5] = static_cast<std::uint8_t>(high);
    const std::uint8_t crc = Crc8(std::span(data).first(6));
    if ((crc & 0x80) != 0) {
        data[5] |= 0x20;
    }
    data[6] = crc & 0x7F;
    return data;
}

std::optional<ParameterSetData> decodeParameterSet(std::span<const std::uint8_t> data) {
    if (data.size() != kParameterSetDataBytes) {
        return std::nullopt;
    }
    for (std::uint8_t byte : data) {
        if (byte >= 0x80) {
            return std::nullopt;
        }
    }
    if ((data[5] & 0x40) != 0) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 6> checked{};
    std::copy(data.begin(), data.begin() + 6, checked.begin());
    checked[5] &= static_cast<std::uint8_t>(~0x20u);
    const std::uint8_t crc = Crc8(checked);
    const auto sent = static_cast<std::uint8_t>(data[6] | ((data[5] & 0x20) != 0 ? 0x80 : 0));
    if (crc != sent) {
        return std::nullopt;
    }
    const std::uint8_t high = data[5];
    ParameterSetData parameter;
    parameter.blockCode = static_cast<std::uint8_t>(data[0] | ((high & 0x10) != 0 ? 0x80 : 0));
    parameter.index = static_cast<std::uint8_t>(data[1] | ((high & 0x08) != 0 ? 0x80 : 0));
    parameter.offset = static_cast<std::uint8_t>(data[2] | ((high & 0x04) != 0 ? 0x80 : 0));
    parameter.value = static_cast<std::uint16_t>(data[3] | (data[4] << 7) | ((high & 0x03) << 14));
    return parameter;
}

std::vector<std::uint8_t> encodeDumpBlock(std::uint8_t blockNumber, std::span<const std::uint8_t> packed) {
    const std::size_t length = packed.size() + kDumpBlockCrcBytes;
    const std::uint16_t crc = Crc16(packed);
    std::vector<std::uint8_t> data;
    data.reserve(kDumpBlockHeaderBytes + length);
    data.push_back(blockNumber);
    data.push_back(static_cast<std::uint8_t>((length >> 7) & 0x7F));
    data.push_back(static_cast<std::uint8_t>(length & 0x7F));
    data.insert(data.end(), packed.begin(), packed.end());
    data.push_back(static_cast<std::uint8_t>(crc & 0x7F));
    data.push_back(static_cast<std::uint8_t>((crc >> 8) & 0x7F));
    data.push_back(static_cast<std::uint8_t>(((crc >> 7) & 0x01) | ((crc >> 14) & 0x02)));
    return data;
}

CommResult decodeDumpBlock(std::span<const std::uint8_t> data, DumpBlockData& out) {
    if (data.size() < kDumpBlockHeaderBytes + kDumpBlockCrcBytes) {
        return CommResult::Malformed;
    }
    const std::size_t length = (static_cast<std::size_t>(data[1] & 0x7F) << 7) | (data[2] & 0x7F);
    if (length < kDumpBlockCrcBytes || length != data.size() - kDumpBlockHeaderBytes) {
        return CommResult::Malformed;
    }
    const auto packed = data.subspan(kDumpBlockHeaderBytes, length - kDumpBlockCrcBytes);
    const std::size_t crcPos = kDumpBlockHeaderBytes + packed.size();
    if (crcFromDumpBytes(data[crcPos], data[crcPos + 1], data[crcPos + 2]) != Crc16(packed)) {
        return CommResult::CrcMismatch;
    }
    out.blockNumber = data[0];
    out.packed.assign(packed.begin(), packed.end());
    return CommResult::Ok;
}

} // namespace kelo
