#include "gui/doc/CUnitDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

/// The note of the 2-in/6-out family's New Unit dialog, yellow on dark blue.
QLabel* makeNote(QWidget* parent) {
    const QString text = QStringLiteral(" NOTE:\n"
                                        " THE DEFAULT CONFIGURATION\n"
                                        " WHEN OPENING A NEW UNIT IS\n"
                                        " STEREO THREE WAY. IF YOU\n"
                                        " WANT TO USE A DIFFERENT\n"
                                        " CONFIGURATION, SELECT A\n"
                                        " DIFFERENT FACTORY PRESET\n "
                                        "IN THE EDITING WINDOW.");
    auto* note = new QLabel(text, parent);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setAutoFillBackground(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    note->setPalette(palette);
    note->setMargin(6);
    return note;
}

} // namespace

CUnitDlg::CUnitDlg(Mode mode, Family family, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_idLabel(new QLabel(QStringLiteral("Device ID:"), this)),
      m_id(new QSpinBox(this)) {
    setObjectName(QStringLiteral("unitDialog"));
    setWindowTitle(mode == Mode::NewUnit ? QStringLiteral("New Unit") : QStringLiteral("Modify Unit"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMaxLength(kMaxNameLength);
    m_id->setObjectName(QStringLiteral("idSpinBox"));
    m_id->setRange(1, 32);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Device Name:"), m_name);
    form->addRow(m_idLabel, m_id);
    if (familyFacts(family).ampUnits) {
        m_inputGanging = new QCheckBox(QStringLiteral("Ganging"), this);
        m_inputGanging->setObjectName(QStringLiteral("gangingCheckBox"));
        form->addRow(m_inputGanging);
    } else {
        m_inputGanging = new QCheckBox(QStringLiteral("Input Ganging"), this);
        m_inputGanging->setObjectName(QStringLiteral("inputGangingCheckBox"));
        m_outputGanging = new QCheckBox(QStringLiteral("Output Ganging"), this);
        m_outputGanging->setObjectName(QStringLiteral("outputGangingCheckBox"));
        form->addRow(m_inputGanging);
        form->addRow(m_outputGanging);
    }
    if (!familyFacts(family).showsBusId) {
        m_idLabel->hide();
        m_id->hide();
        m_id->setEnabled(false);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (mode == Mode::NewUnit && family == Family::Tz48) {
        layout->addWidget(makeNote(this));
    }
    layout->addWidget(buttons);
    m_name->setFocus();
}

void CUnitDlg::setValues(const UnitSettings& values) {
    m_name->setText(QString::fromStdU16String(values.name));
    m_id->setValue(values.shownId);
    m_inputGanging->setChecked(values.inputGanging);
    if (m_outputGanging != nullptr) {
        m_outputGanging->setChecked(values.outputGanging);
    }
}

UnitSettings CUnitDlg::values() const {
    UnitSettings result;
    result.name = m_name->text().left(kMaxNameLength).toStdU16String();
    result.shownId = m_id->value();
    result.inputGanging = m_inputGanging->isChecked();
    result.outputGanging = m_outputGanging != nullptr && m_outputGanging->isChecked();
    return result;
}

void CUnitDlg::setGangingEnabled(bool enabled) {
    m_inputGanging->setEnabled(enabled);
    if (m_outputGanging != nullptr) {
        m_outputGanging->setEnabled(enabled);
    }
}

void CUnitDlg::setIdentifierEnabled(bool enabled) {
    m_id->setEnabled(enabled);
}

} // namespace kelo::gui
