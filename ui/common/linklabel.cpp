#include "ui/common/linklabel.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace sazbar {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : ClickLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(false);
    restyle();
}

void LinkLabel::setAlwaysBold(bool bold) {
    m_alwaysBold = bold;
    restyle();
}

void LinkLabel::setHot(bool hot) {
    if (m_hot == hot) return;
    m_hot = hot;
    restyle();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setHot(true);
    ClickLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setHot(false);
    ClickLabel::leaveEvent(event);
}

void LinkLabel::restyle() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_hot ? hotColour() : normalColour());
    setPalette(pal);
    QFont f = font();
    f.setBold(m_alwaysBold);
    f.setUnderline(m_hot);
    setFont(f);
}

}  // namespace sazbar
