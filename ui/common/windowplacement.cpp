#include "ui/common/windowplacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace sazbar {

namespace {

QMargins frameMargins(const QWidget* w) {
    const QRect frame = w->frameGeometry();
    const QRect client = w->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

int clampStart(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QRect centredInside(QSize frame, const QRect& over, const QRect& area) {
    QRect r(QPoint(0, 0), frame);
    r.moveCenter(over.center());
    r.moveTo(clampStart(r.left(), r.width(), area.left(), area.width()),
             clampStart(r.top(), r.height(), area.top(), area.height()));
    return r;
}

void placeOver(QWidget* w, const QWidget* over) {
    if (!w) return;
    if (over && !over->isVisible()) over = nullptr;
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    if (!w->testAttribute(Qt::WA_Resized) && !w->testAttribute(Qt::WA_WState_Created)) w->adjustSize();
    // A window shown before knows its frame; a new one borrows its opener's.
    const QMargins margins = w->testAttribute(Qt::WA_WState_Created) && w->frameGeometry() != w->geometry()
                                 ? frameMargins(w)
                             : over ? frameMargins(over)
                                    : QMargins();
    const QSize frame = w->size().grownBy(margins);
    const QRect target = centredInside(frame, over ? over->frameGeometry() : area, area);
    w->move(target.topLeft());
}

}  // namespace sazbar
