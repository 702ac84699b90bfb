#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelo::gui {

/// The splash picture: the product name over a stylised response curve.
QPixmap splashPicture();
/// The application icon, drawn at the usual sizes.
QIcon applicationIcon();

} // namespace kelo::gui
