#include "ui/info/infopictures.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace sazbar {

QPixmap makeOperatorTile(const QString& name, const QColor& colour, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(130));
    fill.setColorAt(1.0, colour.darker(115));
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(tile, 6, 6);

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qMax(8, size.height() / 3));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(tile, Qt::AlignCenter, name);
    return pixmap;
}

QPixmap makeRewardPicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const QPointF c = all.center() - QPointF(0, all.height() * 0.1);
    const qreal outer = qMin(all.width(), all.height()) * 0.4;
    const qreal inner = outer * 0.45;

    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient gold(c, outer);
    gold.setColorAt(0.0, QColor(0xff, 0xf0, 0x80));
    gold.setColorAt(1.0, QColor(0xf0, 0xa8, 0x10));
    p.setPen(QPen(QColor(0xa0, 0x60, 0x00), 1.2));
    p.setBrush(gold);
    p.drawPath(star);

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qMax(8, size.height() / 8));
    p.setFont(font);
    p.setPen(QColor(0x80, 0x40, 0x00));
    p.drawText(QRectF(0, all.bottom() - all.height() * 0.2, all.width(), all.height() * 0.2), Qt::AlignCenter,
               QCoreApplication::translate("Tinfo", "Všechny tři!"));
    return pixmap;
}

}  // namespace sazbar
