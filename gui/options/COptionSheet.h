#pragma once

#include "core/app/CGeneralSettings.h"
#include "core/family/Family.h"

#include <QDialog>

class QTabWidget;

namespace kelo::gui {

class COptFilesPage;
class CLockChoicePage;
class COptLinkPage;
class COptRs232Page;

/// Which pages the Options sheet shows; the number is the one the families ask for.
enum class OptionsVariant {
    Amplifier = 0, ///< "Auto", two-way "Lock", "Linking", "Rs232" (port and speed always editable)
    Processor = 1, ///< "Auto", three-way "Lock", "Linking", "Rs232"
    Plus = 3,      ///< "Auto", three-way "Lock", "Rs232" (link left as it was)
};

/// The variant a family's Options command uses.
OptionsVariant optionsVariantFor(Family family);

/// "Options": edits a copy of the general settings; OK and Cancel, no Apply.
class COptionSheet : public QDialog {
    Q_OBJECT

public:
    /// @param activeOnLine the system of the active unit window is on line; in the processor
    ///        variants the port and the speed then cannot be changed.
    COptionSheet(OptionsVariant variant, const CGeneralSettings& settings, bool activeOnLine,
                 QWidget* parent = nullptr);

    /// The copy with the pages' values, as OK writes it back.
    CGeneralSettings editedSettings() const;

    /// Runs the sheet modally and, on OK, copies the edited values into settings. Nothing reaches the
    /// settings store here: the settings are written at exit.
    /// @return true when the user pressed OK.
    static bool ShowOptions(OptionsVariant variant, CGeneralSettings& settings, bool activeOnLine,
                            QWidget* parent);

private:
    CGeneralSettings m_settings;
    QTabWidget* m_tabs;
    COptFilesPage* m_filesPage;
    CLockChoicePage* m_lockPage;
    COptLinkPage* m_linkPage = nullptr;
    COptRs232Page* m_rs232Page;
};

} // namespace kelo::gui
