#pragma once

#include "core/edit/SheetPages.h"
#include "gui/units/shared/CUnitSheet.h"

#include <cstdint>
#include <vector>

namespace kelo::gui {

class CSystemDoc;

/// The sheet of an amplifier unit's edit window, titled with the unit name: the hum canceller, gate,
/// compressor and channel pages per channel (or one "A+B" page each while `AmpGanging` is set), Delay,
/// Gain/Comp and Global. The ganging flag is read when the sheet is built.
class CTzAmpSheet : public CUnitSheet {
    Q_OBJECT

public:
    CTzAmpSheet(CSystemDoc* document, std::uint32_t unitKey, int startPage, QWidget* parent = nullptr);

    /// What each page shows, in page order.
    const std::vector<SheetPage>& pageSpecs() const { return m_specs; }

private:
    std::vector<SheetPage> m_specs;
};

} // namespace kelo::gui
