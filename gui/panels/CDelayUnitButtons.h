#pragma once

#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace kelo::gui {

/// The four display units of a delay: "microseconds", "milliseconds", "millimeters", "meters"
/// (0 "us", 1 "ms", 2 "mm", 3 "m").
class CDelayUnitButtons : public QWidget {
    Q_OBJECT

public:
    explicit CDelayUnitButtons(QWidget* parent = nullptr);

    int unit() const;
    /// Shows a unit (clamped to 0..3) without reporting it.
    void setUnit(int unit);
    QRadioButton* button(int unit) const;

signals:
    /// The user chose another unit.
    void unitChosen(int unit);

private:
    QButtonGroup* m_group;
};

} // namespace kelo::gui
