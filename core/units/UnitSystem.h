#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/Unit.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelo {

class FactoryPrograms;

/// What the New Unit and Modify Unit dialogs hand over.
struct UnitSettings {
    std::u16string name;
    int shownId = 1;            ///< bus identifier as shown, 1..32
    bool inputGanging = false;  ///< amplifier: the one "Ganging" box
    bool outputGanging = false; ///< ignored for the amplifier
};

enum class UnitEditStatus {
    Ok,
    IdentifierInUse, ///< another unit has the identifier: the dialog shows unitEditMessage() and comes back
    IdentifierOutOfRange, ///< not 1..32
    NoSuchUnit,           ///< Modify Unit on a key the system does not hold
};

/// The text the dialog shows for a status ("ID must be different\n for each device"); empty for Ok.
std::string_view unitEditMessage(UnitEditStatus status);

struct UnitEditResult {
    UnitEditStatus status = UnitEditStatus::Ok;
    Unit* unit = nullptr; ///< the unit created or modified when Ok
    bool ok() const { return status == UnitEditStatus::Ok; }
};

/// A system: the document of any of the three families, without windows. Holds the family, the units in
/// list order (= file order = window order) and the last unit key handed out.
///
/// Unit keys name units inside the system: 0 for the first unit of an empty list, else last key + 1.
/// Bus identifiers are stored 0..31 and shown 1..32; New Unit and Modify Unit keep them unique, while a
/// file is taken as it stands.
class UnitSystem {
public:
    explicit UnitSystem(Family family) : m_family(family) {}

    Family family() const { return m_family; }
    /// True for the amplifier family (units are AmpUnit), false for the processor families.
    bool holdsAmpUnits() const { return familyFacts(m_family).ampUnits; }

    const std::vector<std::unique_ptr<Unit>>& units() const { return m_units; }
    std::size_t unitCount() const { return m_units.size(); }
    bool empty() const { return m_units.empty(); }

    std::uint32_t lastUnitKey() const { return m_lastUnitKey; }
    void setLastUnitKey(std::uint32_t key) { m_lastUnitKey = key; }
    /// The key a unit created now gets: 0 for an empty list, else last unit key + 1.
    std::uint32_t nextUnitKey() const { return m_units.empty() ? 0 : m_lastUnitKey + 1; }

    /// First unit in list order with that key; nullptr when none has it.
    Unit* FindUnit(std::uint32_t key);
    const Unit* FindUnit(std::uint32_t key) const;

    /// Removes and destroys every unit with that key. The last unit key is left as it is.
    /// @return the bus identifiers of the removed units (an on-line system marks them not used).
    std::vector<std::uint32_t> DeleteUnit(std::uint32_t key);

    /// True when no unit has the identifier shownId - 1 (true for an empty list); false for an
    /// identifier outside 1..32.
    bool IsIdentifierFree(int shownId) const;

    /// New Unit: checks the identifier, creates a unit of the family with the next key, sets name,
    /// ganging and identifier, and resets it as a new unit from factory program 0. A 2-in/6-out unit
    /// then gets routing mode 1; a Plus unit keeps its factory program's routing, and the ganging flags
    /// stay 0 when that routing forbids ganging. Nothing changes unless the result is Ok.
    UnitEditResult addNewUnit(const UnitSettings& settings, FactoryPrograms& programs);

    /// Modify Unit: checks the identifier against the other units (keeping its own is fine), then stores
    /// name, identifier and ganging flags. A processor unit whose routing mode forbids ganging (2..7)
    /// keeps both flags 0. Nothing changes unless the result is Ok. The caller sends the flags.
    UnitEditResult modifyUnit(std::uint32_t key, const UnitSettings& settings);

    /// The name New Unit proposes: "Device" + (unit count + 1).
    std::u16string proposedUnitName() const;

    /// Appends a unit read from a file, keeping its key; the last unit key becomes that key.
    /// @return nullptr (and nothing appended) when the unit's shape does not match the family.
    Unit* appendLoadedUnit(Unit unit);

    /// Appends a unit read from the bus; keys are given afterwards by RenumberAfterScan().
    /// @return nullptr (and nothing appended) when the unit's shape does not match the family.
    Unit* appendScannedUnit(Unit unit);

    /// After a network scan: keys 0, 1, 2... in list order (the last becomes the last unit key), and
    /// both ganging flags cleared in processor units whose routing mode forbids ganging.
    /// @return the units whose flags were cleared (the caller sends both flags as 0 to them).
    std::vector<Unit*> RenumberAfterScan();

    /// Removes every unit; the last unit key goes back to 0.
    void clear();

private:
    bool matchesFamily(const Unit& unit) const { return unit.isAmp() == holdsAmpUnits(); }
    bool identifierUsedByOther(std::uint32_t id, const Unit* except) const;

    Family m_family;
    std::uint32_t m_lastUnitKey = 0;
    std::vector<std::unique_ptr<Unit>> m_units;
};

} // namespace kelo
