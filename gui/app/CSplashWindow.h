#pragma once

#include <QPixmap>
#include <QWidget>

namespace kelo::gui {

/// Time the splash picture stays up unless a key or mouse press dismisses it earlier.
inline constexpr int kSplashDurationMs = 6000;

/// The borderless start-up picture, centred on the screen.
class CSplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit CSplashWindow(QWidget* parent = nullptr);

signals:
    /// The picture went away, by its timer or by a key or mouse press.
    void dismissed();

public slots:
    void dismiss();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace kelo::gui
