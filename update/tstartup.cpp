#include "update/tstartup.h"

#include "ui/common/pictures.h"
#include "ui/common/settings.h"
#include "update/taktualizace.h"
#include "update/updatesetting.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

Tstartup::Tstartup(QWidget* parent, int delayMs) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QString::fromLatin1(sazbar::kProgramName));
    setFixedSize(360, 240);
    setWindowOpacity(243 / 255.0);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }

    m_picture = sazbar::makeSplashPicture(size(), devicePixelRatioF());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(delayMs);
    connect(Timer1, &QTimer::timeout, this, &Tstartup::Timer1Timer);
    Timer1->start();
}

void Tstartup::Timer1Timer() {
    const auto line = sazbar::readUpdateSettingLine();

    hide();
    if (m_mainWindow) m_mainWindow->show();
    Timer1->stop();
    emit handedOver();

    if (line && *line == QLatin1String(sazbar::kNoConnect)) return;
    if (m_updateWindow) m_updateWindow->start();
}

void Tstartup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
