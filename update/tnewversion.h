#pragma once

#include "ui/common/settings.h"
#include "update/updatereply.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sazbar {
class LinkLabel;
}

// "Informace o nové verzi": announces a newer version found by the update
// check. Not modal; "Zavřít" hides it.
class Tnewversion : public QWidget {
    Q_OBJECT
public:
    explicit Tnewversion(QWidget* parent = nullptr);

    // Fills the version, date and change lines (the memo is cleared first).
    void setNews(const sazbar::UpdateInfo& info);

    void setUrlOpener(sazbar::UrlOpener opener) { m_opener = std::move(opener); }

    QLabel* verze = nullptr;
    QLabel* datum = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    sazbar::LinkLabel* Download = nullptr;
    QPushButton* Button1 = nullptr;  // "Zavřít"

public slots:
    void DownloadClick();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    sazbar::UrlOpener m_opener = sazbar::systemUrlOpener();
};
