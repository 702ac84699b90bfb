#include "core/app/FamilyMagic.h"

#include <algorithm>

namespace kelo {

std::string_view familyMagic(Family family) {
    switch (family) {
    case Family::Tz48:
        return "**VARNOLN+File-Type***";
    case Family::Tz48P:
        return "**QRTPRO.-File-Type***";
    case Family::TzAmp:
        return "**TZAMP..-File-Type***";
    }
    return "";
}

std::optional<Family> detectFamily(std::span<const std::uint8_t> firstBytes) {
    if (firstBytes.size() < kFamilyMagicSize) {
        return std::nullopt;
    }
    for (Family family : {Family::Tz48, Family::TzAmp, Family::Tz48P}) {
        const std::string_view magic = familyMagic(family);
        if (std::equal(magic.begin(), magic.end(), firstBytes.begin(),
                       [](char expected, std::uint8_t actual) {
                           return static_cast<std::uint8_t>(expected) == actual;
                       })) {
            return family;
        }
    }
    return std::nullopt;
}

} // namespace kelo
