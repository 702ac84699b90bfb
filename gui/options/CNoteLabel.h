#pragma once

#include <QLabel>

namespace kelo::gui {

/// The explanatory notes of the Options pages: yellow text (255, 255, 0) on dark blue (0, 0, 127).
class CNoteLabel : public QLabel {
    Q_OBJECT

public:
    explicit CNoteLabel(const QString& text, QWidget* parent = nullptr);
};

} // namespace kelo::gui
