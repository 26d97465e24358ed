#pragma once

#include "ui/common/settings.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace sazbar {
class ClickLabel;
class LinkLabel;
}  // namespace sazbar

// "Informace": version and date of the program, terms of use, links to the
// web site and the author, and the three operator tiles taking turns.
class Tinfo : public QWidget {
    Q_OBJECT
public:
    explicit Tinfo(QWidget* parent = nullptr);

    // The main window passes the program version before showing the window.
    void setVersion(const QString& version);

    void setUrlOpener(sazbar::UrlOpener opener) { m_opener = std::move(opener); }

    int clickCollector() const { return m_collector; }

    QLabel* verze = nullptr;
    QLabel* datum = nullptr;
    QGroupBox* podminky = nullptr;          // terms of use
    sazbar::LinkLabel* web = nullptr;       // web site
    sazbar::LinkLabel* mail = nullptr;      // e-mail address
    sazbar::LinkLabel* termsWeb = nullptr;  // web site inside the terms
    sazbar::LinkLabel* author = nullptr;    // writes to the author
    sazbar::ClickLabel* tmobile = nullptr;
    sazbar::ClickLabel* eurotel = nullptr;
    sazbar::ClickLabel* oskar = nullptr;
    QLabel* skryty = nullptr;        // the hidden picture
    QTimer* Timer1 = nullptr;        // 1000 ms: the tiles take turns
    QPushButton* Button1 = nullptr;  // "Zavřít"

public slots:
    void FormActivate();
    void Timer1Timer();
    void openWebSite();
    void writeMail();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void collect(int value);
    void showTile(int which);

    sazbar::UrlOpener m_opener = sazbar::systemUrlOpener();
    int m_cycle = 1;
    int m_collector = 0;
};
