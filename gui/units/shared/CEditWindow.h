#pragma once

#include <QDialog>

class QDialogButtonBox;
class QVBoxLayout;

namespace kelo::gui {

class CUnitSheet;

/// The modal edit window of a unit: its sheet, opened on the start page, and below it the place of the
/// program bar. Every edit takes effect at once, so the window has no Apply step: OK closes it.
class CEditWindow : public QDialog {
    Q_OBJECT

public:
    /// @param title "%s < ID:%d >" for the processor families
    /// @param sheet the unit's sheet, already on its start page; the window takes it over
    CEditWindow(const QString& title, CUnitSheet* sheet, QWidget* parent = nullptr);

    CUnitSheet* sheet() const { return m_sheet; }
    /// The empty place under the sheet where the program bar goes (object name "programBarSlot"). It has
    /// a vertical layout of its own; a family adds its bar with programBarSlot()->layout()->addWidget().
    QWidget* programBarSlot() const { return m_programBarSlot; }
    /// The OK / Cancel buttons, for a family that labels or hides them.
    QDialogButtonBox* buttonBox() const { return m_buttons; }

private:
    CUnitSheet* m_sheet;
    QWidget* m_programBarSlot;
    QDialogButtonBox* m_buttons;
};

} // namespace kelo::gui
