#include "core/family/Family.h"

#include "core/family/FamilyFacts.h"

namespace kelo {

std::string_view familyKey(Family family) {
    return familyFacts(family).key;
}

std::optional<Family> familyFromKey(std::string_view key) {
    for (const FamilyFacts& facts : kFamilyFacts) {
        if (facts.key == key) {
            return facts.family;
        }
    }
    return std::nullopt;
}

} // namespace kelo
