#include "gui/program/CProgramProgressDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kelo::gui {

CProgramProgressDlg::CProgramProgressDlg(int unitCount, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_label(new QLabel(this)),
      m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("programProgressDialog"));
    setWindowTitle(tr("Program"));
    setWindowModality(Qt::ApplicationModal);
    m_label->setObjectName(QStringLiteral("programProgressLabel"));
    m_bar->setObjectName(QStringLiteral("programProgressBar"));
    m_bar->setRange(0, unitCount);
    m_bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setMinimumWidth(320);
}

void CProgramProgressDlg::showUnit(int index, const QString& text) {
    m_label->setText(text);
    m_bar->setValue(index);
}

void CProgramProgressDlg::finish() {
    m_finished = true;
    m_bar->setValue(m_bar->maximum());
    done(QDialog::Accepted);
}

QString CProgramProgressDlg::text() const {
    return m_label->text();
}

void CProgramProgressDlg::reject() {
    if (m_finished) {
        QDialog::reject();
    }
}

void CProgramProgressDlg::closeEvent(QCloseEvent* event) {
    if (!m_finished) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace kelo::gui
