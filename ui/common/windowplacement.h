// Where secondary windows open: centred on the window they were opened from
// and wholly on that window's screen.
#pragma once

#include <QRect>

class QWidget;

namespace sazbar {

// The frame of a window of the given frame size centred on `over`, then moved
// as little as needed to lie inside `area`; a frame larger than the area keeps
// its top left corner in it.
QRect centredInside(QSize frame, const QRect& over, const QRect& area);

// Moves the top-level window `w` so that its frame is centred on the frame of
// `over` (without one: on the primary screen) and lies on the available area
// of that screen. For a window not shown yet the frame is estimated from
// `over`'s frame.
void placeOver(QWidget* w, const QWidget* over);

}  // namespace sazbar
