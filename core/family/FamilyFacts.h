#pragma once

#include "core/family/Family.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelo {

/// What sets one device family apart, as named values. Every other table of the core (line data,
/// transfer pauses, images, presets) takes its counts and sizes from here.
struct FamilyFacts {
    Family family;
    std::string_view key;              ///< name on the command line and in JSON
    bool ampUnits;                     ///< units are amplifier records (else processor records)
    std::uint8_t model;                ///< model byte in every message to a unit
    std::uint32_t factoryProgramCount; ///< factory programs, numbered from 0
    std::uint32_t firstUserProgram;    ///< program number of user slot 0
    std::uint32_t userProgramCount;    ///< stored program slots of a unit
    std::size_t programImageBytes;     ///< program image built from one stored program
    std::size_t programBlockBytes;     ///< what a program transfer carries (image and zero padding)
    std::size_t settingsImageBytes;    ///< settings image built from the live parameters
    std::size_t settingsBlockBytes;    ///< what a settings transfer carries
    bool unitsAddedByHand;             ///< New Unit exists (the Plus family only scans its units)
    bool showsBusId;                   ///< captions, scan lines and the unit dialog show the identifier
    bool newUnitRoutingMode1;          ///< New Unit sets routing mode 1 (else keeps the factory's)
    bool newUnitIdLockedOnLine;        ///< New Unit on an on-line system offers no choice of identifier

    /// Program number of user slot (0-based).
    constexpr std::uint32_t userProgramNumber(std::uint32_t slot) const { return slot + firstUserProgram; }
    /// Last program number a unit stores.
    constexpr std::uint32_t lastUserProgram() const { return firstUserProgram + userProgramCount - 1; }
};

/// The facts of every family, in the order of the Family enumerators.
inline constexpr std::array<FamilyFacts, 3> kFamilyFacts{{
    {.family = Family::Tz48,
     .key = "tz48",
     .ampUnits = false,
     .model = 0x08,
     .factoryProgramCount = 10,
     .firstUserProgram = 10,
     .userProgramCount = 64,
     .programImageBytes = 264,
     .programBlockBytes = 264,
     .settingsImageBytes = 276,
     .settingsBlockBytes = 276,
     .unitsAddedByHand = true,
     .showsBusId = true,
     .newUnitRoutingMode1 = true,
     .newUnitIdLockedOnLine = false},
    {.family = Family::Tz48P,
     .key = "tz48p",
     .ampUnits = false,
     .model = 0x08,
     .factoryProgramCount = 1,
     .firstUserProgram = 1,
     .userProgramCount = 64,
     .programImageBytes = 264,
     .programBlockBytes = 264,
     .settingsImageBytes = 276,
     .settingsBlockBytes = 276,
     .unitsAddedByHand = false,
     .showsBusId = false,
     .newUnitRoutingMode1 = false,
     .newUnitIdLockedOnLine = false},
    {.family = Family::TzAmp,
     .key = "amp",
     .ampUnits = true,
     .model = 0x09,
     .factoryProgramCount = 1,
     .firstUserProgram = 1,
     .userProgramCount = 32,
     .programImageBytes = 208,
     .programBlockBytes = 210,
     .settingsImageBytes = 220,
     .settingsBlockBytes = 224,
     .unitsAddedByHand = true,
     .showsBusId = true,
     .newUnitRoutingMode1 = false,
     .newUnitIdLockedOnLine = true},
}};

/// The facts of @p family.
constexpr const FamilyFacts& familyFacts(Family family) {
    return kFamilyFacts[static_cast<std::size_t>(family)];
}

namespace family_checks {
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kFamilyFacts.size(); ++i) {
        if (static_cast<std::size_t>(kFamilyFacts[i].family) != i) {
            return false;
        }
    }
    return true;
}
} // namespace family_checks

static_assert(family_checks::inEnumOrder(), "kFamilyFacts is indexed by Family");
// Program numbers are one byte on the line and factory programs lie below the user programs.
static_assert(familyFacts(Family::Tz48).lastUserProgram() < 128);
static_assert(familyFacts(Family::Tz48).factoryProgramCount <= familyFacts(Family::Tz48).firstUserProgram);
static_assert(familyFacts(Family::Tz48P).factoryProgramCount <= familyFacts(Family::Tz48P).firstUserProgram);
static_assert(familyFacts(Family::TzAmp).factoryProgramCount <= familyFacts(Family::TzAmp).firstUserProgram);
// Both processor families store the same unit body and send the same images.
static_assert(familyFacts(Family::Tz48).programImageBytes == familyFacts(Family::Tz48P).programImageBytes);
static_assert(familyFacts(Family::Tz48).settingsImageBytes == familyFacts(Family::Tz48P).settingsImageBytes);
static_assert(familyFacts(Family::Tz48).userProgramCount == familyFacts(Family::Tz48P).userProgramCount);
// A settings image is a program image followed by three words of unit-wide settings.
static_assert(familyFacts(Family::Tz48).settingsImageBytes ==
              familyFacts(Family::Tz48).programImageBytes + 12);
static_assert(familyFacts(Family::TzAmp).settingsImageBytes ==
              familyFacts(Family::TzAmp).programImageBytes + 12);

} // namespace kelo
