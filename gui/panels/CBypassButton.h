#pragma once

#include <QPushButton>

namespace kelo::gui {

/// The "By-Pass" toggle of a dynamics block; its picture shows whether the block is by-passed.
class CBypassButton : public QPushButton {
    Q_OBJECT

public:
    explicit CBypassButton(QWidget* parent = nullptr);

    bool isBypassed() const { return isChecked(); }
    /// Shows a state without reporting it.
    void setBypassed(bool bypassed);

private:
    void updateFace();
};

} // namespace kelo::gui
