#include "core/comm/engine/UnitDumps.h"

#include "core/comm/images/AmpImage.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/images/ProcessorImage.h"

namespace kelo {

namespace {

// A unit announces how many blocks an upload takes; every image fits one, and a few more are taken in
// case a unit splits it. Anything beyond is refused before it is read.
constexpr std::size_t kMaxUploadBlocks = 4;

} // namespace

bool isConnectedFor(const ConnectionEntry& entry, Family family) {
    return entry.state == ConnectionState::Connected &&
           (entry.model == kModelAny || entry.model == familyLine(family).model);
}

MessageExchange* UnitDumps::exchangeFor(std::uint32_t id) {
    if (!m_session.IsEngineRunning() || id >= kUnitCount) {
        return nullptr;
    }
    if (!isConnectedFor(m_session.engine().GetConnectionEntry(id), m_family)) {
        return nullptr;
    }
    return m_session.exchange();
}

void UnitDumps::markFailed(std::uint32_t id, CommResult result) {
    if (result != CommResult::Ok && result != CommResult::NotConnected) {
        m_session.engine().SetConnectionState(id, ConnectionState::NotResponding);
    }
}

CommResult UnitDumps::send(std::uint32_t id, Kind kind, std::uint32_t number,
                           std::span<const std::uint8_t> raw) {
    MessageExchange* exchange = exchangeFor(id);
    if (exchange == nullptr) {
        return CommResult::NotConnected;
    }
    const FamilyLine& line = familyLine(m_family);
    DumpTarget target = settingsDumpTarget(DumpDirection::ToUnit);
    std::size_t packed = line.settingsPackedBytes;
    if (kind == Kind::Program) {
        const auto programTarget =
            programDumpTarget(m_family, static_cast<int>(number), DumpDirection::ToUnit);
        if (!programTarget) {
            return CommResult::Malformed;
        }
        target = *programTarget;
        packed = line.programPackedBytes;
    }
    const CommResult result =
        exchange->downloadImage(line.model, static_cast<std::uint8_t>(id), target, raw, packed);
    markFailed(id, result);
    return result;
}

CommResult UnitDumps::receive(std::uint32_t id, Kind kind, std::uint32_t number,
                              std::vector<std::uint8_t>& image) {
    MessageExchange* exchange = exchangeFor(id);
    if (exchange == nullptr) {
        return CommResult::NotConnected;
    }
    DumpTarget target = settingsDumpTarget(DumpDirection::FromUnit);
    if (kind == Kind::Program) {
        const auto programTarget =
            programDumpTarget(m_family, static_cast<int>(number), DumpDirection::FromUnit);
        if (!programTarget) {
            return CommResult::Malformed;
        }
        target = *programTarget;
    }
    const CommResult result = exchange->uploadImage(familyLine(m_family).model, static_cast<std::uint8_t>(id),
                                                    target, kMaxUploadBlocks, image);
    // A refused program location only means there is no program there.
    if (!(kind == Kind::Program && result == CommResult::UploadRefused)) {
        markFailed(id, result);
    }
    return result;
}

CommResult UnitDumps::SendUnitSettings(std::uint32_t id, const LiveParams& live) {
    const auto image = processor_image::encodeSettings(live, m_family);
    return send(id, Kind::Settings, 0, image);
}

CommResult UnitDumps::SendUnitSettings(std::uint32_t id, const AmpLiveParams& live) {
    const auto image = amp_image::encodeSettings(live);
    return send(id, Kind::Settings, 0, image);
}

CommResult UnitDumps::ReadUnitSettings(std::uint32_t id, LiveParams& live) {
    std::vector<std::uint8_t> image;
    const CommResult result = receive(id, Kind::Settings, 0, image);
    if (result == CommResult::Ok) {
        processor_image::decodeSettings(image, live, m_family);
    }
    return result;
}

CommResult UnitDumps::ReadUnitSettings(std::uint32_t id, AmpLiveParams& live) {
    std::vector<std::uint8_t> image;
    const CommResult result = receive(id, Kind::Settings, 0, image);
    if (result == CommResult::Ok) {
        amp_image::decodeSettings(image, live);
    }
    return result;
}

CommResult UnitDumps::StoreProgram(std::uint32_t id, std::uint32_t number, const UnitParams& program) {
    const auto image = processor_image::encodeProgram(program);
    return send(id, Kind::Program, number, image);
}

CommResult UnitDumps::StoreProgram(std::uint32_t id, std::uint32_t number, const AmpParams& program) {
    const auto image = amp_image::encodeProgram(program);
    return send(id, Kind::Program, number, image);
}

CommResult UnitDumps::ReadProgram(std::uint32_t id, std::uint32_t number, UnitParams& program) {
    std::vector<std::uint8_t> image;
    const CommResult result = receive(id, Kind::Program, number, image);
    if (result == CommResult::Ok) {
        processor_image::decodeProgram(image, program);
    }
    return result;
}

CommResult UnitDumps::ReadProgram(std::uint32_t id, std::uint32_t number, AmpParams& program) {
    std::vector<std::uint8_t> image;
    const CommResult result = receive(id, Kind::Program, number, image);
    if (result == CommResult::Ok) {
        amp_image::decodeProgram(image, program);
    }
    return result;
}

} // namespace kelo
