#pragma once

#include "core/family/Family.h"
#include "core/units/UnitSystem.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace kelo::gui {

/// The New Unit / Modify Unit dialog: name, bus identifier and the ganging boxes of one unit.
///
/// The family decides the boxes: the processor families have "Input Ganging" and "Output Ganging", the
/// amplifier one "Ganging". The Plus family never shows the identifier.
class CUnitDlg : public QDialog {
    Q_OBJECT

public:
    enum class Mode { NewUnit, ModifyUnit };

    /// Longest unit name the dialog accepts.
    static constexpr int kMaxNameLength = 40;

    CUnitDlg(Mode mode, Family family, QWidget* parent = nullptr);

    /// Fills the fields.
    void setValues(const UnitSettings& values);
    /// What the fields hold now.
    UnitSettings values() const;

    /// Disables both ganging boxes (routing modes that forbid ganging).
    void setGangingEnabled(bool enabled);
    /// Disables the identifier field (an amplifier system whose line is running).
    void setIdentifierEnabled(bool enabled);

private:
    QLineEdit* m_name;
    QLabel* m_idLabel;
    QSpinBox* m_id;
    QCheckBox* m_inputGanging;
    QCheckBox* m_outputGanging = nullptr;
};

} // namespace kelo::gui
