#include "gui/panels/CSpinEdit.h"

#include <QLineEdit>
#include <QWheelEvent>

#include <algorithm>

namespace kelo::gui {

CSpinEdit::CSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccelerated(true);
    setKeyboardTracking(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { applyText(); });
    showIndex();
}

CSpinEdit::CSpinEdit(SpinScale scale, const QString& name, QWidget* parent) : CSpinEdit(parent) {
    m_name = name;
    setAccessibleName(name);
    setScale(std::move(scale));
}

void CSpinEdit::setScale(SpinScale scale) {
    m_scale = std::move(scale);
    m_index = std::clamp(m_index, m_scale.minIndex, std::max(m_scale.minIndex, m_scale.maxIndex));
    // Wide enough for the longest text, so the field never clips or jumps while a spin runs.
    if (m_scale.text) {
        const QFontMetrics metrics(font());
        int widest = 0;
        const int count = m_scale.maxIndex - m_scale.minIndex;
        const int stride = count > 400 ? count / 50 : 1;
        for (int index = m_scale.minIndex; index <= m_scale.maxIndex; index += stride) {
            widest = std::max(widest, metrics.horizontalAdvance(m_scale.text(index)));
        }
        widest = std::max(widest, metrics.horizontalAdvance(m_scale.text(m_scale.maxIndex)));
        setMinimumWidth(widest + 2 * metrics.horizontalAdvance(QLatin1Char('0')) + 24);
    }
    showIndex();
}

void CSpinEdit::setName(const QString& name) {
    m_name = name;
    setAccessibleName(name);
    showIndex();
}

void CSpinEdit::setIndex(int index) {
    m_index = std::clamp(index, m_scale.minIndex, std::max(m_scale.minIndex, m_scale.maxIndex));
    showIndex();
}

void CSpinEdit::setHighlighted(bool highlighted) {
    if (highlighted == m_highlighted) {
        return;
    }
    m_highlighted = highlighted;
    QPalette colours = lineEdit()->palette();
    colours.setColor(QPalette::Text, highlighted ? QColor(255, 0, 0) : palette().color(QPalette::Text));
    lineEdit()->setPalette(colours);
    lineEdit()->update();
}

bool CSpinEdit::applyText() {
    if (!m_scale.parse) {
        showIndex();
        return false;
    }
    const std::optional<int> typed = m_scale.parse(lineEdit()->text());
    if (!typed) {
        showIndex();
        return false;
    }
    const int index = std::clamp(*typed, m_scale.minIndex, m_scale.maxIndex);
    const bool changed = index != m_index;
    m_index = index;
    showIndex();
    if (changed) {
        emit indexEdited(m_index);
    }
    return true;
}

void CSpinEdit::stepBy(int steps) {
    int index = m_scale.step ? m_scale.step(m_index, steps) : m_index + steps;
    index = std::clamp(index, m_scale.minIndex, m_scale.maxIndex);
    if (index == m_index) {
        showIndex();
        return;
    }
    m_index = index;
    showIndex();
    emit indexEdited(m_index);
}

QValidator::State CSpinEdit::validate(QString&, int&) const {
    // Anything may be typed; the scale decides when the text is applied, and refused text is restored.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    if (isReadOnly()) {
        return StepNone;
    }
    StepEnabled enabled = StepNone;
    if (m_index > m_scale.minIndex) {
        enabled |= StepDownEnabled;
    }
    if (m_index < m_scale.maxIndex) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

void CSpinEdit::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(event);
}

void CSpinEdit::showIndex() {
    const QString text = m_scale.text ? m_scale.text(m_index) : QString::number(m_index);
    lineEdit()->setText(text);
    if (m_scale.text) {
        setToolTip(tr("%1: %2 (%3 .. %4)")
                       .arg(m_name, text, m_scale.text(m_scale.minIndex), m_scale.text(m_scale.maxIndex)));
    }
}

} // namespace kelo::gui
