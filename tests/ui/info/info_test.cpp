// The information window (tiles, click collector, links) and the help windows.

#include "ui/common/linklabel.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

enum Tile { TM = 1, ET = 2, OS = 3 };

// Turns the tile cycle until `tile` is shown, then clicks what is under the
// mouse at the tiles' spot, as a user would.
void clickTile(Tinfo& info, Tile tile) {
    QWidget* wanted = tile == TM   ? static_cast<QWidget*>(info.tmobile)
                      : tile == ET ? static_cast<QWidget*>(info.eurotel)
                                   : static_cast<QWidget*>(info.oskar);
    for (int i = 0; i < 3 && !wanted->isVisible(); ++i) info.Timer1Timer();
    ASSERT_TRUE(wanted->isVisible());
    QWidget* under = info.childAt(QPoint(60, 150));
    ASSERT_EQ(under, wanted);
    QTest::mouseClick(under, Qt::LeftButton);
}

struct CollectorCase {
    const char* name;
    std::vector<Tile> clicks;
    bool pictureShown;
    int collector;
};

class InfoCollector : public ::testing::TestWithParam<CollectorCase> {};

TEST_P(InfoCollector, ShowsTheHiddenPictureOnlyForEachTileOnce) {
    Tinfo info;
    info.show();
    for (Tile tile : GetParam().clicks) clickTile(info, tile);
    EXPECT_EQ(info.skryty->isVisible(), GetParam().pictureShown);
    EXPECT_EQ(info.clickCollector(), GetParam().collector);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, InfoCollector,
    ::testing::Values(CollectorCase{"none", {}, false, 0}, CollectorCase{"eurotel", {ET}, false, 1},
                      CollectorCase{"tmobile", {TM}, false, 2}, CollectorCase{"oskar", {OS}, false, 4},
                      CollectorCase{"all_three", {TM, ET, OS}, true, 0},
                      CollectorCase{"other_order", {OS, ET, TM}, true, 0},
                      CollectorCase{"repeats_do_not_count", {ET, ET, ET, ET, ET, ET, ET}, false, 1},
                      CollectorCase{"oskar_twice_then_rest", {OS, OS, TM, ET}, true, 0},
                      CollectorCase{"starts_again_after_seven", {TM, ET, OS, ET}, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Info, ShowingAgainHidesThePictureAndEmptiesTheCollector) {
    Tinfo info;
    info.show();
    for (Tile tile : {TM, ET, OS, OS}) clickTile(info, tile);
    ASSERT_TRUE(info.skryty->isVisible());
    ASSERT_EQ(info.clickCollector(), 4);
    info.Button1->click();
    EXPECT_FALSE(info.isVisible());
    info.show();
    EXPECT_FALSE(info.skryty->isVisible());
    EXPECT_EQ(info.clickCollector(), 0);
    EXPECT_EQ(info.tmobile->pos(), QPoint(25, 126));
    EXPECT_EQ(info.eurotel->pos(), QPoint(28, 126));
    EXPECT_EQ(info.oskar->pos(), QPoint(30, 126));
}

TEST(Info, TilesTakeTurnsEverySecond) {
    Tinfo info;
    info.show();
    EXPECT_TRUE(info.Timer1->isActive());
    auto shown = [&] {
        std::vector<QWidget*> visible;
        for (QWidget* w : {static_cast<QWidget*>(info.tmobile), static_cast<QWidget*>(info.eurotel),
                           static_cast<QWidget*>(info.oskar)})
            if (w->isVisible()) visible.push_back(w);
        return visible;
    };
    const std::vector<QWidget*> expected = {info.eurotel, info.oskar, info.tmobile, info.eurotel};
    for (QWidget* next : expected) {
        info.Timer1Timer();
        EXPECT_EQ(shown(), std::vector<QWidget*>{next});
    }
    info.hide();
    EXPECT_FALSE(info.Timer1->isActive());
}

struct LinkCase {
    const char* name;
    sazbar::LinkLabel* Tinfo::*link;
    const char* url;
};

class InfoLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(InfoLinks, OpenTheirAddressAndLightUpUnderTheMouse) {
    Tinfo info;
    QList<QUrl> opened;
    info.setUrlOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    sazbar::LinkLabel* link = info.*(GetParam().link);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl(QString::fromLatin1(GetParam().url)));

    auto colour = [&] { return link->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    EXPECT_FALSE(link->font().underline());
    QTest::mouseMove(&info, link->mapTo(&info, link->rect().center()));
    EXPECT_EQ(colour(), QColor(255, 0, 0));
    EXPECT_TRUE(link->font().underline());
    QTest::mouseMove(&info, QPoint(400, 20));  // empty part of the window
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    EXPECT_FALSE(link->font().underline());
}

INSTANTIATE_TEST_SUITE_P(Links, InfoLinks,
                         ::testing::Values(LinkCase{"web", &Tinfo::web, "http://www.sazbar.cz"},
                                           LinkCase{"terms", &Tinfo::termsWeb, "http://www.sazbar.cz"},
                                           LinkCase{"mail", &Tinfo::mail, "mailto:info@sazbar.cz"},
                                           LinkCase{"author", &Tinfo::author, "mailto:info@sazbar.cz"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every label fits its window and its text is not cut; "Zavřít" hides.
void expectTidy(QWidget& window) {
    window.show();
    const QRect inside = window.rect();
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window)) continue;
        const QString what = label->text().isEmpty() ? label->objectName() : label->text();
        if (label->pixmap().isNull()) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << what.toStdString();
        }
        const QRect box(label->mapTo(&window, QPoint(0, 0)), label->size());
        EXPECT_TRUE(inside.contains(box)) << what.toStdString();
        if (!label->wordWrap() && label->pixmap().isNull()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << what.toStdString();
        } else if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << what.toStdString();
        }
    }
    QPushButton* close = window.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Zavřít"));
    close->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(InfoWindows, AreTidyAndCloseWithZavrit) {
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new Tinfo);
    windows.emplace_back(new Thelp);
    windows.emplace_back(new Tzahr_help);
    windows.emplace_back(new TForm2);
    windows.emplace_back(new Tgraph_help);
    for (auto& window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        expectTidy(*window);
    }
}

TEST(InfoWindows, ChartHelpHasTheZoomHeadings) {
    Tgraph_help help;
    QStringList texts;
    for (QLabel* label : help.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Zvětšení části grafu:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Vrácení grafu do původního měřítka:")));
}

TEST(Info, SetVersionShowsTheVersionGiven) {
    Tinfo info;
    info.setVersion(QStringLiteral("6.61"));
    EXPECT_EQ(info.verze->text(), QStringLiteral("6.61"));
}

QMessageBox* visibleMessageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) return b;
    return nullptr;
}

// No browser and no mail program: the user is told so, with the address to copy.
TEST(Links, WithNothingToOpenThemTheAddressIsShown) {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;  // no xdg-open on the way
    qputenv("PATH", empty.path().toLocal8Bit());
    for (const QUrl& url : {sazbar::webSiteUrl(), sazbar::mailUrl()}) {
        const QString address = url.scheme() == QLatin1String("mailto") ? url.path() : url.toString();
        sazbar::systemUrlOpener()(url);
        QMessageBox* box = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (box = visibleMessageBox()) != nullptr; }, 3000))
            << address.toStdString();
        EXPECT_TRUE(box->text().contains(address));
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        box->close();
        QTest::qWait(10);  // deleted on close
    }
    qputenv("PATH", path);
}

}  // namespace
