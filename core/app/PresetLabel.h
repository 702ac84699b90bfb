#pragma once

#include "core/family/Family.h"
#include "core/units/ProgramName.h"

#include <cstdint>
#include <string>

namespace kelo {

/// The program tag of a current program number: two digits (more when the number needs them) and "F"
/// for a factory program or "U" for a user program. 2-in/6-out family: 0..9 are factory programs 1..10
/// and n >= 10 is user program n - 9. Plus and amplifier: 0 is the factory program, n >= 1 user program n.
std::string programTag(Family family, std::uint32_t currentProgram);

/// The preset label of window captions, reports and `kelo info`: the tag, ".", then the program name
/// (its bytes up to the first zero, at most 12, Latin-1) as UTF-8.
std::string presetLabel(Family family, std::uint32_t currentProgram, const ProgramName& name);

} // namespace kelo
