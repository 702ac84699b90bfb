#pragma once

#include "core/family/Family.h"

#include <cstdint>
#include <optional>

namespace kelo {

/// One program location of a unit: a factory program or a user program slot (both 0-based).
struct ProgramLocation {
    bool factory = true;
    std::uint32_t index = 0;
};

/// The row of program locations a unit offers: first its family's factory programs, then its user
/// programs. Location L < factoryCount() is factory program L, a later one user slot L - factoryCount().
class ProgramLocations {
public:
    /// Locations shown side by side by the program bar.
    static constexpr std::uint32_t kVisible = 12;

    explicit ProgramLocations(Family family);

    std::uint32_t factoryCount() const { return m_factoryCount; }
    std::uint32_t userCount() const { return m_userCount; }
    std::uint32_t count() const { return m_factoryCount + m_userCount; }
    /// Highest first visible location (the scroll range is 0 .. lastFirst()).
    std::uint32_t lastFirst() const { return count() > kVisible ? count() - kVisible : 0; }

    /// REQUIRES: location < count()
    ProgramLocation at(std::uint32_t location) const;

    /// The location of a unit's current program number, nothing for a number beyond the row.
    std::optional<std::uint32_t> locationOfProgram(std::uint32_t currentProgram) const;

    /// The program number the mono-with-ganging test takes: 0 for the factory program, u + 1 for user
    /// slot u.
    static std::uint32_t gangingTestProgram(const ProgramLocation& location);

private:
    Family m_family;
    std::uint32_t m_factoryCount;
    std::uint32_t m_userCount;
};

} // namespace kelo
