#include "sim/UnitResponder.h"

#include "core/comm/protocol/Pack7in8.h"
#include "core/comm/line/SerialLine.h"

#include <algorithm>

namespace kelo::sim {

namespace {

bool isRequest(Command command) {
    return command == Command::SetBaudRate || command == Command::StatusRequest ||
           command == Command::ParameterSet || command == Command::DumpRequest;
}

/// Meter levels rise and fall 0..7, each field a little behind the one before it.
void moveMeters(SimUnit& unit) {
    ++unit.meterTick;
    for (std::size_t k = 0; k < 14; ++k) {
        const std::uint32_t phase = (unit.meterTick + 2 * static_cast<std::uint32_t>(k)) % 14;
        unit.status[k] = phase <= 7 ? phase : 14 - phase;
    }
    for (std::size_t k = 14; k < 17; ++k) {
        unit.status[k] = ((unit.meterTick / 8) + static_cast<std::uint32_t>(k)) % 2;
    }
}

/// Noise for the line: a fixed pseudo-random run that never holds a start byte.
std::vector<std::uint8_t> noise(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::uint32_t state = 0x2F0F7u;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
        if (byte == kStartByte) {
            byte = 0x55;
        }
    }
    return bytes;
}

} // namespace

UnitResponder::UnitResponder(Family family) : m_family(family), m_line(familyLine(family)) {}

SimUnit UnitResponder::makeUnit(std::uint8_t id) const {
    SimUnit unit;
    unit.id = id;
    unit.modelByte = m_line.model;
    unit.settingsImage.assign(m_line.settingsRawBytes, 0);
    unit.programs.resize(static_cast<std::size_t>(m_line.lastUserProgram - m_line.firstUserProgram + 1));
    return unit;
}

bool UnitResponder::hears(const SimUnit& unit, const Frame& frame) const {
    if (!unit.powered || (frame.model != kModelAny && frame.model != unit.modelByte)) {
        return false;
    }
    if (frame.identifier == kBroadcastId) {
        return frame.command == Command::SetBaudRate;
    }
    return frame.identifier == unit.id;
}

UnitReply UnitResponder::respond(SimUnit& unit, const Frame& frame) const {
    SimFaults& faults = unit.faults;
    if (faults.silentAfter) {
        if (*faults.silentAfter == 0) {
            unit.powered = false;
            unit.transfer = {};
            faults.silentAfter.reset();
            return {};
        }
        --*faults.silentAfter;
    }
    ++unit.messagesReceived;
    ++unit.faultCounter;

    UnitReply answer;
    const bool broadcast = frame.identifier == kBroadcastId;
    const bool busy =
        !broadcast && isRequest(frame.command) &&
        (faults.busyNext > 0 || (faults.busyEveryNth > 0 && unit.faultCounter % faults.busyEveryNth == 0));
    if (busy) {
        if (faults.busyNext > 0) {
            --faults.busyNext;
        }
        const std::uint8_t value = faults.busyValue & 0x7F;
        answer.bytes = reply(unit, Command::BusyReply, std::span(&value, 1));
    } else {
        answer = act(unit, frame);
    }
    applyLineFaults(unit, answer);
    return answer;
}

void UnitResponder::applyLineFaults(SimUnit& unit, UnitReply& answer) const {
    const SimFaults& faults = unit.faults;
    if (answer.bytes.empty()) {
        return;
    }
    if (faults.dropEveryNth > 0 && unit.faultCounter % faults.dropEveryNth == 0) {
        answer.bytes.clear();
        return;
    }
    if (faults.noiseBytes > 0) {
        std::vector<std::uint8_t> bytes = noise(faults.noiseBytes);
        if (faults.noiseBeforeReply) {
            bytes.insert(bytes.end(), answer.bytes.begin(), answer.bytes.end());
        }
        answer.bytes = std::move(bytes);
    }
    answer.delay = faults.replyDelay;
}

UnitReply UnitResponder::act(SimUnit& unit, const Frame& frame) const {
    if (isRequest(frame.command)) {
        // A new request ends whatever transfer was still open.
        unit.transfer = {};
    }
    switch (frame.command) {
    case Command::SetBaudRate:
        return onSetBaudRate(unit, frame);
    case Command::StatusRequest:
        return frame.data.empty() ? onStatusRequest(unit) : UnitReply{};
    case Command::ParameterSet:
        return onParameterSet(unit, frame);
    case Command::DumpRequest:
        return onDumpRequest(unit, frame);
    case Command::DumpBlock:
        return onDumpBlock(unit, frame);
    case Command::DumpAck:
    case Command::DumpNak:
        return onDumpAnswer(unit, frame);
    default:
        return {};
    }
}

UnitReply UnitResponder::onSetBaudRate(SimUnit& unit, const Frame& frame) const {
    if (frame.data.size() != 1 || frame.data[0] >= kBaudRates.size()) {
        return {};
    }
    UnitReply answer;
    answer.speedAfterReply = frame.data[0];
    if (frame.identifier != kBroadcastId) {
        answer.bytes = statusReply(unit);
    }
    return answer;
}

UnitReply UnitResponder::onStatusRequest(SimUnit& unit) const {
    if (unit.metersMoving) {
        moveMeters(unit);
    }
    return {statusReply(unit), std::nullopt, {}};
}

UnitReply UnitResponder::onParameterSet(SimUnit& unit, const Frame& frame) const {
    // A message whose checksum does not match is not understood, so it is not answered.
    const std::optional<ParameterSetData> parameter = decodeParameterSet(frame.data);
    if (!parameter) {
        return {};
    }
    unit.parameters[{parameter->blockCode, parameter->index, parameter->offset}] = parameter->value;
    return {statusReply(unit), std::nullopt, {}};
}

std::optional<std::size_t> UnitResponder::programSlot(const SimUnit& unit, std::uint8_t location) const {
    const int program = location + m_line.locationOffset;
    if (program < m_line.firstUserProgram || program > m_line.lastUserProgram) {
        return std::nullopt;
    }
    const auto slot = static_cast<std::size_t>(program - m_line.firstUserProgram);
    if (slot >= unit.programs.size()) {
        return std::nullopt;
    }
    return slot;
}

std::size_t UnitResponder::packedBytes(const SimTransfer& transfer) const {
    return transfer.settings ? m_line.settingsPackedBytes : m_line.programPackedBytes;
}

UnitReply UnitResponder::onDumpRequest(SimUnit& unit, const Frame& frame) const {
    UnitReply answer;
    const std::uint8_t refusal = 0;
    if (frame.data.size() != 2) {
        answer.bytes = reply(unit, Command::DumpNak, std::span(&refusal, 1));
        return answer;
    }
    const DumpTarget target{frame.data[0], frame.data[1]};
    const bool settingsIn = target == settingsDumpTarget(DumpDirection::ToUnit);
    const bool settingsOut = target == settingsDumpTarget(DumpDirection::FromUnit);
    const std::optional<std::size_t> slot = programSlot(unit, target.location);
    const bool programIn = target.kind == m_line.programDownloadKind && slot;
    const bool programOut = target.kind == m_line.programUploadKind && slot;

    SimTransfer transfer;
    transfer.settings = settingsIn || settingsOut;
    transfer.location = target.location;
    if (settingsIn || programIn) {
        transfer.direction = SimTransfer::Direction::ToUnit;
        transfer.blockCount = 1;
        transfer.block = 1;
        unit.transfer = transfer;
        answer.bytes = reply(unit, Command::DumpAck, std::span(&transfer.blockCount, 1));
        return answer;
    }
    if (programOut && !unit.programs[*slot]) {
        answer.bytes = reply(unit, Command::DumpRefused, std::span(&target.location, 1));
        return answer;
    }
    if (!settingsOut && !programOut) {
        answer.bytes = reply(unit, Command::DumpNak, std::span(&refusal, 1));
        return answer;
    }
    if (unit.faults.emptyUploads) {
        const std::uint8_t noBlocks = 0;
        answer.bytes = reply(unit, Command::DumpAck, std::span(&noBlocks, 1));
        return answer;
    }
    transfer.direction = SimTransfer::Direction::FromUnit;
    transfer.image = settingsOut ? unit.settingsImage : *unit.programs[*slot];
    transfer.blockCount = static_cast<std::uint8_t>(1 + std::min<int>(unit.faults.extraBlocks, 0x7E));
    transfer.block = 1;
    unit.transfer = transfer;
    answer.bytes = reply(unit, Command::DumpAck, std::span(&transfer.blockCount, 1));
    const std::vector<std::uint8_t> block = uploadBlock(unit);
    answer.bytes.insert(answer.bytes.end(), block.begin(), block.end());
    return answer;
}

std::vector<std::uint8_t> UnitResponder::uploadBlock(SimUnit& unit) const {
    const SimTransfer& transfer = unit.transfer;
    // Blocks after the first exist only when a fault announces more than the image needs: zeros.
    const std::span<const std::uint8_t> raw =
        transfer.block == 1 ? std::span<const std::uint8_t>(transfer.image) : std::span<const std::uint8_t>();
    std::vector<std::uint8_t> data = encodeDumpBlock(transfer.block, Pack7in8(raw, packedBytes(transfer)));
    SimFaults& faults = unit.faults;
    if (faults.corruptCrcBlocks > 0) {
        --faults.corruptCrcBlocks;
        data[data.size() - kDumpBlockCrcBytes] ^= 0x01;
    }
    if (faults.blockLengthField) {
        data[1] = static_cast<std::uint8_t>((*faults.blockLengthField >> 7) & 0x7F);
        data[2] = static_cast<std::uint8_t>(*faults.blockLengthField & 0x7F);
    }
    return reply(unit, Command::DumpBlock, data);
}

UnitReply UnitResponder::onDumpBlock(SimUnit& unit, const Frame& frame) const {
    SimTransfer& transfer = unit.transfer;
    UnitReply answer;
    if (transfer.direction != SimTransfer::Direction::ToUnit) {
        const std::uint8_t none = 0;
        answer.bytes = reply(unit, Command::DumpNak, std::span(&none, 1));
        return answer;
    }
    DumpBlockData block;
    const bool intact =
        decodeDumpBlock(frame.data, block) == CommResult::Ok && block.packed.size() == packedBytes(transfer);
    if (intact && block.blockNumber >= 1 && block.blockNumber + 1 == transfer.block) {
        // The editor did not hear our acknowledgement and sent the block again.
        answer.bytes = reply(unit, Command::DumpAck, std::span(&block.blockNumber, 1));
        return answer;
    }
    if (!intact || block.blockNumber != transfer.block || transfer.block > transfer.blockCount) {
        answer.bytes = reply(unit, Command::DumpNak, std::span(&transfer.block, 1));
        return answer;
    }
    const std::vector<std::uint8_t> raw = Unpack7in8(block.packed);
    transfer.image.insert(transfer.image.end(), raw.begin(), raw.end());
    answer.bytes = reply(unit, Command::DumpAck, std::span(&block.blockNumber, 1));
    ++transfer.block;
    if (transfer.block > transfer.blockCount) {
        std::vector<std::uint8_t> image = transfer.image;
        image.resize(transfer.settings ? m_line.settingsRawBytes : m_line.programRawBytes);
        if (transfer.settings) {
            unit.settingsImage = std::move(image);
            // The whole current setting has been replaced, so single values set earlier are gone.
            unit.parameters.clear();
        } else if (const std::optional<std::size_t> slot = programSlot(unit, transfer.location)) {
            unit.programs[*slot] = std::move(image);
        }
    }
    return answer;
}

UnitReply UnitResponder::onDumpAnswer(SimUnit& unit, const Frame& frame) const {
    SimTransfer& transfer = unit.transfer;
    if (transfer.direction != SimTransfer::Direction::FromUnit || frame.data.size() != 1) {
        return {};
    }
    const std::uint8_t number = frame.data[0];
    if (frame.command == Command::DumpAck) {
        if (number != transfer.block) {
            return {};
        }
        if (transfer.block >= transfer.blockCount) {
            transfer = {};
            return {};
        }
        ++transfer.block;
    } else {
        if (number < 1 || number > transfer.blockCount) {
            return {};
        }
        transfer.block = number;
    }
    return {uploadBlock(unit), std::nullopt, {}};
}

std::vector<std::uint8_t> UnitResponder::reply(const SimUnit& unit, Command command,
                                               std::span<const std::uint8_t> data) const {
    const std::uint8_t model = unit.faults.answerAsModel.value_or(unit.modelByte) & 0x7F;
    const std::uint8_t id = unit.faults.answerAsId.value_or(unit.id) & 0x7F;
    return encodeFrame(model, id, command, data);
}

std::vector<std::uint8_t> UnitResponder::statusReply(const SimUnit& unit) const {
    const std::vector<std::uint8_t> data = encodeStatus(m_family, unit.status);
    return reply(unit, Command::StatusReply, data);
}

} // namespace kelo::sim
