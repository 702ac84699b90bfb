#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kelo::gui {

/// The small modal window shown while a program store or recall is sent: which unit is being sent
/// and a bar over the units. It cannot be cancelled: a unit's sends and pause are not broken off half
/// way, so Escape and the close button do nothing; it closes when the last unit is done.
class CProgramProgressDlg : public QDialog {
    Q_OBJECT

public:
    CProgramProgressDlg(int unitCount, QWidget* parent = nullptr);

    /// Shows @p text for the unit at @p index (0-based) and the units before it as done.
    void showUnit(int index, const QString& text);
    /// Closes the dialog for good.
    void finish();

    QString text() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    QProgressBar* m_bar;
    bool m_finished = false;
};

} // namespace kelo::gui
