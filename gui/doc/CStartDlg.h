#pragma once

#include <QDialog>

namespace kelo::gui {

/// The chooser of a new system: "New Unit" or "Network Scan". Closing it chooses neither.
class CStartDlg : public QDialog {
    Q_OBJECT

public:
    enum Choice { NewUnit = 2, NetworkScan = 3 };

    /// @param scanAvailable false disables "Network Scan" (no serial line support in this build)
    explicit CStartDlg(bool scanAvailable, QWidget* parent = nullptr);
};

} // namespace kelo::gui
