#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class QTimer;

namespace kelo::gui {

/// A small indicator showing one of three pictures (state 0, 1 or 2) centred in it; magenta pixels of a
/// picture are transparent. It can blink, alternating between states 0 and 1 on a timer.
class CBlinkIndicator : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStateCount = 3;

    explicit CBlinkIndicator(QWidget* parent = nullptr);

    /// Replaces the three pictures (default: grey, green and red lamps).
    void setPictures(const std::array<QPixmap, kStateCount>& pictures);
    int state() const { return m_state; }
    /// Shows a state (clamped to 0..2).
    void setState(int state);

    void startBlinking(int intervalMs = 500);
    void stopBlinking();
    bool isBlinking() const;

    QSize sizeHint() const override;

public slots:
    /// One blink: state 0 becomes 1, anything else becomes 0.
    void blink();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, kStateCount> m_pictures;
    int m_state = 0;
    QTimer* m_timer;
};

} // namespace kelo::gui
