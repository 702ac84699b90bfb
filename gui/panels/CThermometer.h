#pragma once

#include <QWidget>

namespace kelo::gui {

/// A vertical red bar showing a temperature index 0..90 that the mouse drags: pressing the left button in
/// it captures the mouse and each upward movement raises the temperature by ((dy * 90) / W) / 20 indices,
/// W being the bar's width.
class CThermometer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaximum = 90;

    explicit CThermometer(QWidget* parent = nullptr);

    int value() const { return m_value; }
    /// Shows a temperature index (clamped) without reporting it.
    void setValue(int index);

    /// The change of index for an upward movement of dy pixels on a bar of the given width (truncating).
    static int stepsForMove(int dy, int barWidth);

    QSize sizeHint() const override;

signals:
    /// The user dragged the temperature to a new index.
    void valueDragged(int index);
    /// The mouse button was let go after a drag.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_value = 50;
    bool m_dragging = false;
    int m_anchorY = 0;
};

} // namespace kelo::gui
