// The print window against stand-in main and results windows and a real chart.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "../chart/fake_results.h"
#include "ui/chart/tgraf.h"
#include "ui/print/tform4.h"
#include "ui/whatif/tcokdyby.h"

namespace {

using namespace sazbar::print;
using sazbar::test::FakeResults;

const QColor kMagenta(255, 0, 255);

// The main window as the print window sees it: its buttons and the autosave
// box by name, laid out by a layout and never shown or resized.
class FakeMain : public QWidget {
public:
    FakeMain() {
        auto* grid = new QGridLayout(this);
        for (int n = 0; n < 8; ++n) {
            auto* l = new QLabel(QStringLiteral("Volání %1").arg(n), this);
            grid->addWidget(l, n, 0);
        }
        const char* names[] = {"Button1", "Button2", "Button3", "Button4", "Button5"};
        const char* texts[] = {"&Výpočet", "&Nápověda", "&Konec", "&Nulování", "&Info"};
        for (int n = 0; n < 5; ++n) {
            auto* b = new QPushButton(QString::fromUtf8(texts[n]), this);
            b->setObjectName(QString::fromLatin1(names[n]));
            paintLoud(b);
            grid->addWidget(b, n, 1);
        }
        auto* autosave = new QCheckBox(QStringLiteral("Uložit hodnoty"), this);
        autosave->setObjectName(QStringLiteral("autosave"));
        paintLoud(autosave);
        grid->addWidget(autosave, 6, 1);
        // Buttons of features the window gained later, named or not.
        auto* import = new QPushButton(QStringLiteral("Import…"), this);
        import->setObjectName(QStringLiteral("importButton"));
        paintLoud(import);
        grid->addWidget(import, 7, 1);
        auto* profile = new QToolButton(this);
        profile->setText(QStringLiteral("Profil"));
        paintLoud(profile);
        grid->addWidget(profile, 8, 1);
        // What the month is made of stays in the picture.
        internet = new QCheckBox(QStringLiteral("Volání přes internet"), this);
        internet->setObjectName(QStringLiteral("internet"));
        grid->addWidget(internet, 8, 0);
    }
    QCheckBox* internet = nullptr;
    // Controls that must stay out of the pictures fill themselves magenta.
    static void paintLoud(QWidget* w) {
        w->setAutoFillBackground(true);
        QPalette p = w->palette();
        p.setColor(QPalette::Window, kMagenta);
        p.setColor(QPalette::Button, kMagenta);
        w->setPalette(p);
    }
};

int countColour(const QImage& img, const QColor& c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        results.show(sazbar::runPricing(sazbar::Profile{}, {}), false);
        for (auto* c : results.findChildren<QWidget*>())
            if (c->objectName().startsWith(QLatin1String("Button")) || c->objectName() == QLatin1String("CheckBox1"))
                FakeMain::paintLoud(c);
        chart.setResultsWindow(&results);
        for (const char* name : {"Button1", "Button2", "CheckBox1"})
            FakeMain::paintLoud(chart.findChild<QWidget*>(QString::fromLatin1(name)));
        form.setWindows(&main, &results, &chart);
    }
    QCheckBox* box(int n) { return form.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)); }

    FakeMain main;
    FakeResults results;
    Tgraf chart;
    TForm4 form;
};

TEST_F(PrintTest, CapturesHiddenWindowsAtTheirSizeWithoutTheirButtons) {
    form.updatepic();
    const auto& caps = form.captures();
    EXPECT_EQ(caps[Results].size(), QSize(721, 474));
    EXPECT_EQ(caps[Chart].size(), QSize(800, 518));
    EXPECT_EQ(caps[Input].size(), main.sizeHint()) << "a window never shown is taken at the size showing gives it";
    for (int n = 0; n < kCaptures; ++n) {
        ASSERT_FALSE(caps[n].isNull()) << n;
        EXPECT_EQ(countColour(caps[n], kMagenta), 0) << "a control to hide shows in capture " << n;
    }
    // The controls are back afterwards.
    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&results), static_cast<QWidget*>(&chart)})
        for (const char* name : {"Button1", "Button2"})
            EXPECT_FALSE(w->findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;
    EXPECT_FALSE(main.findChild<QWidget*>(QStringLiteral("autosave"))->isHidden());
    EXPECT_FALSE(results.findChild<QWidget*>(QStringLiteral("CheckBox1"))->isHidden());
    // The chart was built for the picture.
    EXPECT_EQ(chart.barCount(), 48);
    EXPECT_FALSE(chart.isVisible());
}

TEST_F(PrintTest, HidingTheControlsMovesNothingElse) {
    form.updatepic();
    const QImage withControls = main.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& cap = form.captures()[Input];
    ASSERT_EQ(cap.size(), withControls.size());
    // The labels' column is the same picture with and without the buttons.
    const QRect labels(0, 0, main.findChild<QPushButton*>(QStringLiteral("Button1"))->x() - 1, cap.height());
    EXPECT_EQ(cap.copy(labels), withControls.copy(labels));
    EXPECT_GT(countColour(withControls, kMagenta), 0);
}

TEST_F(PrintTest, AControlHiddenBeforeTheCaptureStaysHidden) {
    results.findChild<QWidget*>(QStringLiteral("Button4"))->hide();
    form.updatepic();
    EXPECT_TRUE(results.findChild<QWidget*>(QStringLiteral("Button4"))->isHidden());
    EXPECT_FALSE(results.findChild<QWidget*>(QStringLiteral("Button3"))->isHidden());
}

TEST_F(PrintTest, WhatDescribesTheMonthStaysInThePicture) {
    const QColor kCyan(0, 255, 255);
    auto* other = new QPushButton(QStringLiteral("Jiné"), &results);  // a button the results window may gain
    FakeMain::paintLoud(other);
    QPalette p = main.internet->palette();
    p.setColor(QPalette::Base, kCyan);  // inside the box
    main.internet->setPalette(p);
    form.updatepic();
    EXPECT_EQ(countColour(form.captures()[Results], kMagenta), 0);
    EXPECT_GT(countColour(form.captures()[Input], kCyan), 0) << "the check box of the month went out of the picture";
    EXPECT_FALSE(other->isHidden());
}

TEST_F(PrintTest, TheWhatIfPictureShowsNoButtonsAndNoSelection) {
    Tcokdyby whatIf;
    whatIf.setProfileSource([] {
        sazbar::Profile p;
        p.matrix[sazbar::Peak][sazbar::Oskar] = 100;
        return p;
    });
    for (QAbstractButton* b : whatIf.findChildren<QAbstractButton*>()) FakeMain::paintLoud(b);
    whatIf.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&whatIf));
    // The user has just typed the range: "Až do" has the focus, its value selected.
    auto* to = whatIf.findChild<QSpinBox*>(QStringLiteral("to"));
    to->setFocus();
    to->selectAll();
    ASSERT_TRUE(to->findChild<QLineEdit*>()->hasSelectedText());
    form.setWhatIfWindow(&whatIf);
    box(5)->setChecked(true);

    form.updatepic();
    const QImage& cap = form.whatIfCapture();
    ASSERT_FALSE(cap.isNull());
    EXPECT_EQ(countColour(cap, kMagenta), 0) << "a button in the picture";
    const QColor highlight = whatIf.palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(countColour(cap.copy(to->geometry()), highlight), 0) << "the value of \"Až do\" selected in the picture";
    EXPECT_TRUE(to->hasFocus());
    EXPECT_TRUE(to->findChild<QLineEdit*>()->hasSelectedText());
    for (QAbstractButton* b : whatIf.findChildren<QAbstractButton*>()) EXPECT_FALSE(b->isHidden());
}

TEST_F(PrintTest, WhiteBackgroundIsUsedForTheCaptureOnly) {
    const QColor face = QApplication::palette().color(QPalette::Window);
    ASSERT_NE(face, QColor(Qt::white));
    form.updatepic();
    EXPECT_EQ(form.captures()[Results].pixelColor(1, 1), face);
    EXPECT_EQ(form.captures()[Chart].pixelColor(1, 1), face);

    box(4)->setChecked(true);  // captures again
    for (int n = 0; n < kCaptures; ++n)
        EXPECT_EQ(form.captures()[n].pixelColor(1, 1), QColor(Qt::white)) << n;
    // The chart's own surround was white too (outside its white back wall).
    EXPECT_EQ(form.captures()[Chart].pixelColor(5, 20), QColor(Qt::white));

    for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&results), static_cast<QWidget*>(&chart)}) {
        EXPECT_EQ(w->palette().color(QPalette::Window), face);
        EXPECT_FALSE(w->testAttribute(Qt::WA_SetPalette)) << "the window inherits its palette again";
    }
    EXPECT_EQ(chart.plot()->grab().toImage().pixelColor(1, 1), face);
}

TEST_F(PrintTest, AWindowsOwnPaletteIsGivenBack) {
    QPalette p = results.palette();
    p.setColor(QPalette::Window, QColor(10, 20, 30));
    results.setPalette(p);
    box(4)->setChecked(true);
    EXPECT_EQ(form.captures()[Results].pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(results.palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_TRUE(results.testAttribute(Qt::WA_SetPalette));
}

TEST_F(PrintTest, PreviewAndPageFollowTheChoices) {
    form.updatepic();
    form.compose();
    const auto& caps = form.captures();
    for (int n = 0; n < kCaptures; ++n) {
        EXPECT_TRUE(form.previewImage(n)->isVisibleTo(&form));
        EXPECT_EQ(form.previewImage(n)->geometry(), previewRect(caps[n].size(), 16 + 160 * n)) << n;
    }
    const int widest = std::max({caps[0].width(), caps[1].width(), caps[2].width()});
    EXPECT_EQ(form.pageImage().size(),
              QSize(widest + 80, 40 + caps[0].height() + caps[1].height() + caps[2].height() + 120));

    box(1)->setChecked(false);
    box(2)->setChecked(false);
    EXPECT_FALSE(form.previewImage(0)->isVisibleTo(&form));
    EXPECT_FALSE(form.previewImage(1)->isVisibleTo(&form));
    EXPECT_TRUE(form.previewImage(2)->isVisibleTo(&form));
    EXPECT_EQ(form.previewImage(2)->y(), 16);
    EXPECT_EQ(form.pageLayout().at[Chart], QPoint(40, 40));
    EXPECT_EQ(form.pageImage().size(), QSize(880, 598));
    EXPECT_EQ(form.pageImage().copy(40, 40, 800, 518), caps[Chart]);

    box(3)->setChecked(false);
    EXPECT_EQ(form.pageImage().size(), QSize(80, 40));
    EXPECT_EQ(countColour(form.pageImage(), Qt::white), 80 * 40);

    box(2)->setChecked(true);
    EXPECT_EQ(form.previewImage(1)->y(), 16);
    box(1)->setChecked(true);
    EXPECT_EQ(form.previewImage(1)->y(), 176);
}

TEST_F(PrintTest, ShowingTheWindowCapturesAfresh) {
    form.show();
    EXPECT_EQ(form.captures()[Chart].size(), QSize(800, 518));
    EXPECT_EQ(chart.barCount(), 48);
    form.close();
    results.CheckBox1->setChecked(true);
    form.show();
    EXPECT_EQ(chart.barCount(), 49);
}

TEST_F(PrintTest, PrintsOnePageToAPdfFile) {
    form.updatepic();
    form.compose();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tisk.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    ASSERT_TRUE(form.printOn(printer));

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);

    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        QProcess p;
        p.start(pdfinfo, {file});
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    }
    if (const QByteArray keep = qgetenv("SAZBAR_PRINT_PDF"); !keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(file, QString::fromLocal8Bit(keep));
    }
}

TEST_F(PrintTest, TheCaptureShowsNoFocusAndNoSelection) {
    // The results window is the active one and its "Tisk" has the focus, as
    // when the user has just pressed it; hiding it would hand the focus on.
    results.QWidget::show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&results));
    auto* tisk = results.findChild<QPushButton*>(QStringLiteral("Button3"));
    tisk->setFocus();
    ASSERT_TRUE(tisk->hasFocus());
    auto* gold = results.field("gold");
    gold->setSelection(0, 2);  // a selection of the user's own

    form.updatepic();
    const QColor highlight = results.palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(countColour(form.captures()[Results], highlight), 0) << "selected text or a focus frame in the picture";
    EXPECT_FALSE(results.field("t30")->hasSelectedText());
    // Afterwards everything is as it was.
    EXPECT_TRUE(tisk->hasFocus());
    EXPECT_EQ(gold->selectedText(), gold->text().left(2));
    results.hide();
}

TEST_F(PrintTest, TiskPrintsStraightOnTheChosenPrinter) {
    QStringList told;
    form.setTeller([&](const QString& text) { told << text; });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tisk.pdf"));
    form.printer().setOutputFormat(QPrinter::PdfFormat);
    form.printer().setOutputFileName(file);
    form.updatepic();
    form.compose();
    form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();  // no dialog comes between
    EXPECT_TRUE(told.isEmpty());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));

    // Nowhere to print: the user is told so in Czech, nothing is printed.
    form.printer().setOutputFileName(QString());
    form.printer().setPrinterName(QStringLiteral("Tiskárna, která není"));
    EXPECT_FALSE(form.hasPrinter());
    form.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_EQ(told, QStringList{TForm4::noPrinterText()});
}

}  // namespace
