#pragma once

#include <QPixmap>
#include <QSize>

namespace sazbar {

// The pictures of the splash and of the update window, drawn by the program
// itself so that they scale with the device pixel ratio.
QPixmap makeSplashPicture(QSize size, qreal devicePixelRatio = 1.0);

// Background of the update window: a rounded panel on pure white; the white
// corners are cut away by the window's mask.
QPixmap makeUpdateBackground(QSize size, qreal devicePixelRatio = 1.0);

}  // namespace sazbar
