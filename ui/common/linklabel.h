#pragma once

#include <QLabel>

namespace sazbar {

// A label that reports a left click (press and release on the label).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// A web-style link: blue with a pointing hand; red and underlined while the
// mouse is over it. Shown as plain text only.
class LinkLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Bold in both states (the new-version notice's link).
    void setAlwaysBold(bool bold);
    void setHot(bool hot);
    bool isHot() const { return m_hot; }

    static QColor normalColour() { return QColor(0, 0, 255); }
    static QColor hotColour() { return QColor(255, 0, 0); }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void restyle();

    bool m_hot = false;
    bool m_alwaysBold = false;
};

}  // namespace sazbar
