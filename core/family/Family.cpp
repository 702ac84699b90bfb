#include "core/family/Family.h"

namespace kelo {

std::string_view familyKey(Family family) {
    switch (family) {
    case Family::Tz48:
        return "tz48";
    case Family::Tz48P:
        return "tz48p";
    case Family::TzAmp:
        return "amp";
    }
    return "tz48";
}

std::optional<Family> familyFromKey(std::string_view key) {
    for (Family family : {Family::Tz48, Family::Tz48P, Family::TzAmp}) {
        if (familyKey(family) == key) {
            return family;
        }
    }
    return std::nullopt;
}

} // namespace kelo
