#include "core/app/PresetLabel.h"

#include "core/family/FamilyFacts.h"

#include <cstdio>

namespace kelo {

std::string programTag(Family family, std::uint32_t currentProgram) {
    const std::uint32_t factoryCount = familyFacts(family).factoryProgramCount;
    const bool factory = currentProgram < factoryCount;
    // Shown numbers count from 1; 64-bit so the largest stored value cannot wrap.
    const std::uint64_t shown =
        factory ? std::uint64_t{currentProgram} + 1 : std::uint64_t{currentProgram} - factoryCount + 1;
    char text[32];
    std::snprintf(text, sizeof text, "%02llu%c", static_cast<unsigned long long>(shown), factory ? 'F' : 'U');
    return text;
}

std::string presetLabel(Family family, std::uint32_t currentProgram, const ProgramName& name) {
    return programTag(family, currentProgram) + "." + programNameText(name);
}

} // namespace kelo
