#include "ui/common/pictures.h"

#include "ui/common/settings.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sazbar {

namespace {

QPixmap blankPixmap(QSize size, qreal dpr, const QColor& fill) {
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(fill);
    return pixmap;
}

QFont arial(int pointSize, int weight = QFont::Normal, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    return font;
}

// A hand-held phone of the time: a silver body, a green display and a keypad.
void drawPhone(QPainter& p, const QRectF& body) {
    QLinearGradient shell(body.topLeft(), body.topRight());
    shell.setColorAt(0.0, QColor(0xd8, 0xde, 0xe6));
    shell.setColorAt(0.5, QColor(0xf4, 0xf6, 0xf9));
    shell.setColorAt(1.0, QColor(0x9a, 0xa4, 0xb2));
    p.setPen(QPen(QColor(0x40, 0x48, 0x58), 1.5));
    p.setBrush(shell);
    p.drawRoundedRect(body, 14, 14);

    // antenna stub
    const QRectF antenna(body.right() - 18, body.top() - 16, 8, 20);
    p.setBrush(QColor(0x50, 0x58, 0x68));
    p.drawRoundedRect(antenna, 3, 3);

    const QRectF screen(body.left() + 9, body.top() + 18, body.width() - 18, 44);
    QLinearGradient lcd(screen.topLeft(), screen.bottomLeft());
    lcd.setColorAt(0.0, QColor(0xc4, 0xe0, 0x9a));
    lcd.setColorAt(1.0, QColor(0x9c, 0xc4, 0x6c));
    p.setBrush(lcd);
    p.setPen(QPen(QColor(0x30, 0x3a, 0x2a), 1.2));
    p.drawRoundedRect(screen, 4, 4);
    p.setPen(QColor(0x1e, 0x2e, 0x14));
    p.setFont(arial(11, QFont::Bold));
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("Kč?"));

    p.setPen(Qt::NoPen);
    const qreal keyW = (body.width() - 30) / 3.0;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF key(body.left() + 9 + col * (keyW + 6), screen.bottom() + 12 + row * 14, keyW, 9);
            p.setBrush(QColor(0x5a, 0x66, 0x7a));
            p.drawRoundedRect(key, 3, 3);
        }
    }
}

// Radio waves leaving the antenna.
void drawWaves(QPainter& p, QPointF centre) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 10.0 * i;
        p.setPen(QPen(QColor(255, 255, 255, 200 - 50 * i), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 20 * 16, 70 * 16);
    }
}

// Three price bars, the cheapest one marked.
void drawBars(QPainter& p, const QRectF& area) {
    const QColor colours[3] = {QColor(0x3a, 0x6f, 0xd8), QColor(0x3c, 0xa8, 0x4e), QColor(0xd8, 0x3c, 0x3c)};
    const qreal heights[3] = {0.75, 0.45, 0.95};
    const qreal barW = area.width() / 4.2;
    for (int i = 0; i < 3; ++i) {
        const qreal h = area.height() * heights[i];
        const QRectF bar(area.left() + i * barW * 1.4, area.bottom() - h, barW, h);
        QLinearGradient fill(bar.topLeft(), bar.topRight());
        fill.setColorAt(0.0, colours[i].lighter(140));
        fill.setColorAt(1.0, colours[i].darker(120));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRect(bar);
    }
    // a tick above the cheapest bar
    const qreal x = area.left() + barW * 1.4 + barW / 2;
    const qreal y = area.bottom() - area.height() * heights[1] - 10;
    p.setPen(QPen(QColor(0xff, 0xe0, 0x66), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(x - 7, y - 2);
    tick.lineTo(x - 2, y + 3);
    tick.lineTo(x + 8, y - 8);
    p.drawPath(tick);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.drawLine(QPointF(area.left() - 4, area.bottom()), QPointF(area.right() + 4, area.bottom()));
}

}  // namespace

QPixmap makeSplashPicture(QSize size, qreal dpr) {
    QPixmap pixmap = blankPixmap(size, dpr, Qt::black);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const qreal w = all.width(), h = all.height();

    QLinearGradient sky(all.topLeft(), all.bottomRight());
    sky.setColorAt(0.0, QColor(0x0a, 0x24, 0x48));
    sky.setColorAt(0.6, QColor(0x14, 0x55, 0x7c));
    sky.setColorAt(1.0, QColor(0x1f, 0x86, 0x96));
    p.fillRect(all, sky);

    QRadialGradient glow(QPointF(w * 0.78, h * 0.12), w * 0.6);
    glow.setColorAt(0.0, QColor(255, 255, 255, 60));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(all, glow);

    // a thin light band across the bottom
    p.fillRect(QRectF(0, h - 34, w, 34), QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, h - 35, w, 1), QColor(255, 255, 255, 60));

    const QRectF phone(w * 0.07, h * 0.17, w * 0.2, h * 0.6);
    drawWaves(p, QPointF(phone.right() - 14, phone.top() - 14));
    drawPhone(p, phone);

    drawBars(p, QRectF(w * 0.37, h * 0.52, w * 0.2, h * 0.22));

    // the name, with a soft shadow
    const QRectF titleBox(w * 0.34, h * 0.12, w * 0.63, h * 0.3);
    QFont titleFont = arial(qMax(8, int(h / 9)), QFont::Black, true);
    // shrink until the name fits its box
    while (titleFont.pointSize() > 8 &&
           QFontMetricsF(titleFont).horizontalAdvance(QString::fromLatin1(kProgramName)) > titleBox.width() - 6)
        titleFont.setPointSize(titleFont.pointSize() - 1);
    p.setFont(titleFont);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(titleBox.translated(2, 2), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kProgramName));
    p.setPen(Qt::white);
    p.drawText(titleBox, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kProgramName));

    p.setFont(arial(qMax(6, int(h / 26)), QFont::Normal));
    p.setPen(QColor(0xd0, 0xe4, 0xf4));
    p.drawText(QRectF(w * 0.34, h * 0.4, w * 0.63, h * 0.1), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("Tstartup", "Který tarif vás vyjde nejlevněji?"));

    p.setFont(arial(qMax(6, int(h / 30)), QFont::Bold));
    p.setPen(QColor(0xe8, 0xf2, 0xfa));
    p.drawText(QRectF(12, h - 34, w - 24, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Tstartup", "Porovnání tarifů mobilních operátorů"));
    p.drawText(QRectF(12, h - 34, w - 24, 34), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("Tstartup", "verze %1").arg(QString::fromLatin1(kProgramVersion)));

    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

QPixmap makeUpdateBackground(QSize size, qreal dpr) {
    QPixmap pixmap = blankPixmap(size, dpr, Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const QRectF panel = all.adjusted(1, 1, -1, -1);

    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0.0, QColor(0xea, 0xf2, 0xfb));
    fill.setColorAt(1.0, QColor(0xc6, 0xda, 0xf0));
    p.setPen(QPen(QColor(0x3c, 0x64, 0x96), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(panel, 12, 12);

    // a small globe left of the progress bar
    const QPointF c(26, 60);
    const qreal r = 13;
    QRadialGradient sea(c - QPointF(4, 4), r * 1.4);
    sea.setColorAt(0.0, QColor(0x8c, 0xc8, 0xf4));
    sea.setColorAt(1.0, QColor(0x20, 0x64, 0xb4));
    p.setBrush(sea);
    p.setPen(QPen(QColor(0x1a, 0x46, 0x80), 1.0));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe6, 0xf0, 0xfa, 200), 0.8));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));

    // two curved arrows on the right: "fetching"
    p.setPen(QPen(QColor(0x2c, 0x5a, 0x92), 2.0, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring(308, 47, 26, 26);
    p.drawArc(ring, 30 * 16, 130 * 16);
    p.drawArc(ring, 210 * 16, 130 * 16);
    p.setBrush(QColor(0x2c, 0x5a, 0x92));
    p.setPen(Qt::NoPen);
    QPolygonF head1{QPointF(332, 47), QPointF(334, 57), QPointF(325, 53)};
    QPolygonF head2{QPointF(310, 73), QPointF(308, 63), QPointF(317, 67)};
    p.drawPolygon(head1);
    p.drawPolygon(head2);
    return pixmap;
}

}  // namespace sazbar
