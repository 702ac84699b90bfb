#include "core/comm/protocol/FamilyLine.h"

#include "core/comm/protocol/Message.h"

namespace kelo {

namespace {

/// Length of a block packed seven bytes in eight: whole groups of eight.
constexpr std::size_t packedLength(std::size_t raw) {
    return (raw + 6) / 7 * 8;
}

/// The line data of a family. @p locationOffset: location byte = program number - offset.
constexpr FamilyLine lineOf(const FamilyFacts& facts, std::size_t statusBytes, int locationOffset,
                            std::uint8_t downloadKind, std::uint8_t uploadKind) {
    return {.family = facts.family,
            .model = facts.model,
            .statusBytes = statusBytes,
            .settingsRawBytes = facts.settingsBlockBytes,
            .settingsPackedBytes = packedLength(facts.settingsBlockBytes),
            .programRawBytes = facts.programBlockBytes,
            .programPackedBytes = packedLength(facts.programBlockBytes),
            .firstUserProgram = static_cast<int>(facts.firstUserProgram),
            .lastUserProgram = static_cast<int>(facts.lastUserProgram()),
            .locationOffset = locationOffset,
            .programDownloadKind = downloadKind,
            .programUploadKind = uploadKind};
}

constexpr FamilyLine kTz48 = lineOf(familyFacts(Family::Tz48), 6, 10, 0x04, 0x44);
constexpr FamilyLine kTz48P = lineOf(familyFacts(Family::Tz48P), 6, 1, 0x04, 0x44);
constexpr FamilyLine kTzAmp = lineOf(familyFacts(Family::TzAmp), 2, 0, 0x01, 0x41);
static_assert(kTz48.settingsPackedBytes == 320 && kTzAmp.programPackedBytes == 240);

constexpr std::size_t kProcessorStatusValues = 14;

} // namespace

const FamilyLine& familyLine(Family family) {
    switch (family) {
    case Family::Tz48:
        return kTz48;
    case Family::Tz48P:
        return kTz48P;
    case Family::TzAmp:
        return kTzAmp;
    }
    return kTz48;
}

DumpTarget settingsDumpTarget(DumpDirection direction) {
    return direction == DumpDirection::ToUnit ? DumpTarget{kSettingsDownloadKind, kSettingsDownloadLocation}
                                              : DumpTarget{kSettingsUploadKind, kSettingsUploadLocation};
}

std::optional<DumpTarget> programDumpTarget(Family family, int program, DumpDirection direction) {
    const FamilyLine& line = familyLine(family);
    if (program < line.firstUserProgram || program > line.lastUserProgram) {
        return std::nullopt;
    }
    const auto location = static_cast<std::uint8_t>(program - line.locationOffset);
    const std::uint8_t kind =
        direction == DumpDirection::ToUnit ? line.programDownloadKind : line.programUploadKind;
    return DumpTarget{kind, location};
}

bool decodeStatus(Family family, std::span<const std::uint8_t> data, std::span<std::uint32_t, 18> fields) {
    if (data.size() != familyLine(family).statusBytes) {
        return false;
    }
    if (familyFacts(family).ampUnits) {
        fields[0] = data[0] & 0x07u;
        fields[2] = (data[0] >> 3) & 0x07u;
        fields[3] = data[1] & 0x07u;
        fields[14] = (data[1] >> 3) & 0x01u;
        fields[15] = (data[1] >> 4) & 0x01u;
        fields[16] = (data[1] >> 5) & 0x01u;
        return true;
    }
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        bits |= static_cast<std::uint64_t>(data[i] & 0x7F) << (7 * i);
    }
    for (std::size_t k = 0; k < kProcessorStatusValues; ++k) {
        fields[k] = static_cast<std::uint32_t>((bits >> (3 * k)) & 0x07u);
    }
    return true;
}

std::vector<std::uint8_t> encodeStatus(Family family, std::span<const std::uint32_t, 18> fields) {
    if (familyFacts(family).ampUnits) {
        const auto b0 = static_cast<std::uint8_t>((fields[0] & 0x07u) | ((fields[2] & 0x07u) << 3));
        const auto b1 = static_cast<std::uint8_t>((fields[3] & 0x07u) | ((fields[14] & 0x01u) << 3) |
                                                  ((fields[15] & 0x01u) << 4) | ((fields[16] & 0x01u) << 5));
        return {b0, b1};
    }
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < kProcessorStatusValues; ++k) {
        bits |= static_cast<std::uint64_t>(fields[k] & 0x07u) << (3 * k);
    }
    std::vector<std::uint8_t> data(familyLine(family).statusBytes);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>((bits >> (7 * i)) & 0x7F);
    }
    return data;
}

} // namespace kelo
