#pragma once

#include "core/family/Family.h"

#include <QDialog>

class QListWidget;

namespace kelo::gui {

/// File New's chooser: the File-New names of the three system templates.
class CNewTypeDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNewTypeDlg(QWidget* parent = nullptr);

    /// The family of the selected entry.
    Family selectedFamily() const;
    /// Selects the entry of a family.
    void selectFamily(Family family);

private:
    QListWidget* m_list;
};

} // namespace kelo::gui
