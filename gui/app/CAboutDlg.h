#pragma once

#include <QDialog>

namespace kelo::gui {

/// The About box: application icon, release line and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace kelo::gui
