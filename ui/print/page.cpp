#include "ui/print/page.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sazbar::print {

PageLayout composePage(const std::array<QSize, kCaptures>& captures, const std::array<bool, kCaptures>& chosen) {
    PageLayout l;
    l.chosen = chosen;
    l.previewTop[Input] = 16;
    l.previewTop[Results] = chosen[Input] ? 176 : 16;
    const int above = (chosen[Input] ? 1 : 0) + (chosen[Results] ? 1 : 0);
    l.previewTop[Chart] = above == 2 ? 336 : above == 1 ? 176 : 16;

    int widest = 0;
    int height = 40;
    for (int n = 0; n < kCaptures; ++n) {
        if (!chosen[n]) continue;
        widest = std::max(widest, captures[n].width());
        height += captures[n].height() + 40;
    }
    l.page = QSize(widest + 80, height);
    int y = 40;
    for (int n = 0; n < kCaptures; ++n) {
        if (!chosen[n]) continue;
        l.at[n] = QPoint(widest / 2 + 40 - captures[n].width() / 2, y);
        y += captures[n].height() + 40;
    }
    return l;
}

QRect previewRect(QSize capture, int top) {
    // A capture without height (a window of no size) gets no width either.
    const int width = capture.height() > 0
                          ? static_cast<int>(static_cast<long long>(capture.width()) * kPreviewHeight / capture.height())
                          : 0;
    return QRect(kPreviewCentre - width / 2, top, width, kPreviewHeight);
}

QImage paintPage(const PageLayout& layout, const std::array<QImage, kCaptures>& captures) {
    QImage page(layout.page, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    for (int n = 0; n < kCaptures; ++n)
        if (layout.chosen[n] && !captures[n].isNull()) p.drawImage(layout.at[n], captures[n]);
    return page;
}

double printScale(QSize page, QSize printable) {
    if (printable.width() <= 0 || printable.height() <= 0) return 0;
    double s = static_cast<double>(page.width()) / printable.width();
    const double h = static_cast<double>(page.height()) / printable.height();
    if (h >= s) s = h;
    return s;
}

QRect printTarget(QSize page, QSize printable) {
    const double s = printScale(page, printable);
    if (s <= 0) return QRect();
    return QRect(0, 0, static_cast<int>(std::trunc(page.width() / s)), static_cast<int>(std::trunc(page.height() / s)));
}

}  // namespace sazbar::print
