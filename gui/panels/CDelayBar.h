#pragma once

#include <QWidget>

namespace kelo::gui {

/// A horizontal bar with a handle that the mouse drags along it: 0 mm at the left end, the maximum
/// distance at the right end, linear in between.
class CDelayBar : public QWidget {
    Q_OBJECT

public:
    explicit CDelayBar(QWidget* parent = nullptr);

    void setMaximum(int mm);
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    /// Places the handle (value clamped) without reporting it.
    void setValue(int mm);
    /// The distance a handle centre at x (widget pixels) stands for, clamped to the bar.
    int valueAt(int x) const;
    QSize sizeHint() const override;

signals:
    /// The user dragged the handle (or used the keys) to a new distance.
    void valueDragged(int mm);
    /// The handle was let go.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect track() const;
    int handleX() const;
    void drag(int x);

    int m_maximum = 65535;
    int m_value = 0;
    bool m_dragging = false;
};

} // namespace kelo::gui
