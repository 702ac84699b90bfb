#pragma once

#include "gui/panels/SpinScale.h"

#include <QAbstractSpinBox>

namespace kelo::gui {

/// A spin-and-edit field: an edit showing the text of an index with spin buttons beside it.
///
/// A spin step (buttons, arrow keys, Page Up/Down, the wheel while the field has focus) moves the index
/// and reports it at once. Typed text is applied with Enter or when the focus leaves the field: it is
/// read by the scale, clamped, and shown again in its canonical text; text the scale refuses is replaced
/// by the previous text and nothing is reported.
class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit CSpinEdit(QWidget* parent = nullptr);
    CSpinEdit(SpinScale scale, const QString& name, QWidget* parent = nullptr);

    /// Changes the scale; the index is clamped to the new range.
    void setScale(SpinScale scale);
    const SpinScale& scale() const { return m_scale; }

    /// The field's full name, used in its tool tip.
    void setName(const QString& name);

    int index() const { return m_index; }
    /// Shows an index (clamped) without reporting it.
    void setIndex(int index);

    /// Red text while the owner highlights the field.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

    /// Applies the edit's text as if Enter had been pressed; false when it was refused.
    bool applyText();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    /// The user moved the index (spin step or accepted typed text).
    void indexEdited(int index);

protected:
    StepEnabled stepEnabled() const override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showIndex();

    SpinScale m_scale;
    QString m_name;
    int m_index = 0;
    bool m_highlighted = false;
};

} // namespace kelo::gui
