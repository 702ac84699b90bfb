#pragma once

#include "core/edit/SheetPages.h"
#include "core/family/Family.h"
#include "gui/units/shared/CUnitSheet.h"

#include <cstdint>
#include <vector>

namespace kelo::gui {

class CSystemDoc;

/// The sheet of a processor unit's edit window: Gain, Noise Gate, Limiter (Plus: Comp/Limit), Delay, the
/// input pages, the output pages and Global, as the unit's ganging flags say when the sheet is built.
class CProcessorSheet : public CUnitSheet {
    Q_OBJECT

public:
    CProcessorSheet(Family family, CSystemDoc* document, std::uint32_t unitKey, int startPage,
                    QWidget* parent = nullptr);

    /// What each page shows, in page order.
    const std::vector<SheetPage>& pageSpecs() const { return m_specs; }

private:
    std::vector<SheetPage> m_specs;
};

/// The 2-in/6-out family's sheet.
class CTz48Sheet : public CProcessorSheet {
    Q_OBJECT

public:
    CTz48Sheet(CSystemDoc* document, std::uint32_t unitKey, int startPage, QWidget* parent = nullptr)
        : CProcessorSheet(Family::Tz48, document, unitKey, startPage, parent) {}
};

/// The Plus family's sheet.
class CTz48PSheet : public CProcessorSheet {
    Q_OBJECT

public:
    CTz48PSheet(CSystemDoc* document, std::uint32_t unitKey, int startPage, QWidget* parent = nullptr)
        : CProcessorSheet(Family::Tz48P, document, unitKey, startPage, parent) {}
};

} // namespace kelo::gui
