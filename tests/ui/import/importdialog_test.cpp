// The import preview and the main window's "Import…" button.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

#include "core/boxes.h"
#include "import/readers.h"
#include "pricing/engine.h"
#include "ui/import/importdialog.h"
#include "ui/main/tform1.h"

namespace {

using namespace sazbar;

const QString kBill = QStringLiteral(SAZBAR_EXAMPLES "/bill.csv");

QString text(QTableWidget* t, int r, int c) { return t->item(r, c) ? t->item(r, c)->text() : QString(); }

TEST(ImportDialog, ShowsTheBoxesTheAccountAndFollowsTheSettings) {
    ImportDialog d({kBill});
    ASSERT_TRUE(d.error().isEmpty()) << d.error().toStdString();
    // On the 800 x 600 test screen: inside it with a frame, the buttons in view.
    d.show();
    const QRect area = d.screen()->availableGeometry();
    EXPECT_LE(d.height() + 3 * ImportDialog::kFrameAllowance, area.height());
    EXPECT_LE(d.width() + ImportDialog::kFrameAllowance, area.width());
    for (const char* name : {"use", "cancel"}) {
        auto* b = d.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_TRUE(d.rect().contains(QRect(b->mapTo(&d, QPoint(0, 0)), b->size()))) << name;
    }
    auto* boxes = d.findChild<QTableWidget*>(QStringLiteral("boxes"));
    auto* intl = d.findChild<QTableWidget*>(QStringLiteral("international"));
    ASSERT_TRUE(boxes && intl);
    const Profile p = d.profile();
    EXPECT_GT(totalCallMinutes(p), 0);
    for (int b = 0; b < kBands; ++b) {
        EXPECT_EQ(text(boxes, 0, b), QString::number(p.matrix[b][FixedLine]));
        EXPECT_EQ(text(boxes, 4, b), QString::number(p.matrix[b][Messages]));
    }
    EXPECT_EQ(text(intl, 0, 0), QStringLiteral("Slovensko"));
    EXPECT_EQ(text(intl, 0, 3), QString::number(p.intl[0].eveningWeekend));
    const QString account = d.findChild<QPlainTextEdit*>(QStringLiteral("account"))->toPlainText();
    for (const char* part : {"5 × příchozí hovory", "Nezařazeno", "vnitrostátní číslo o 4 číslicích",
                             "předvolba +81 není v seznamu zemí", "Rakousko, 3 min"})
        EXPECT_TRUE(account.contains(QString::fromUtf8(part))) << part << "\n" << account.toStdString();
    EXPECT_FALSE(d.findChild<QTabWidget*>(QStringLiteral("pages"))->isTabVisible(2));  // one month only
    EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("period"))->text().contains(QStringLiteral("1. 4. 2026 – 30. 4. 2026")));

    // Per second and other bands give what the library gives for them.
    import::Importer direct;
    std::ifstream in(kBill.toStdString(), std::ios::binary);
    ASSERT_TRUE(import::readLog(in, direct).ok);
    d.findChild<QRadioButton*>(QStringLiteral("perSecond"))->setChecked(true);
    const import::ImportResult seconds = direct.result({.perSecond = true, .month = {}});
    EXPECT_EQ(d.profile().matrix, seconds.profile.matrix);
    EXPECT_NE(seconds.profile.matrix, p.matrix);

    auto* peak = d.findChild<QTimeEdit*>(QStringLiteral("bandStart1"));
    peak->setTime(QTime(6, 0));
    emit peak->editingFinished();
    import::Rules rules = import::defaultRules();
    rules.weekdayBands = {{0, Evening}, {360, Peak}, {960, Afternoon}, {1140, Evening}};
    import::Importer early(rules);
    std::ifstream again(kBill.toStdString(), std::ios::binary);
    ASSERT_TRUE(import::readLog(again, early).ok);
    EXPECT_EQ(d.profile().matrix, early.result({.perSecond = true, .month = {}}).profile.matrix);
    EXPECT_EQ(text(boxes, 0, 0), QString::number(d.profile().matrix[Peak][FixedLine]));

    // Out of order: refused, the bands stay.
    peak->setTime(QTime(17, 0));
    emit peak->editingFinished();
    EXPECT_EQ(peak->time(), QTime(6, 0));
}

TEST(ImportDialog, SeveralMonthsArePricedEachAndTogether) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.csv"));
    std::ofstream(path.toStdString()) << "date;time;direction;number;duration;type;volume_kb\n"
                                         "2. 4. 2026;10:00;out;603000001;6000;call;\n"
                                         "4. 5. 2026;10:00;out;222000001;600;call;\n"
                                         "5. 5. 2026;10:00;out;601000001;60;sms;\n";
    ImportDialog d({path});
    ASSERT_TRUE(d.error().isEmpty());
    EXPECT_TRUE(d.findChild<QTabWidget*>(QStringLiteral("pages"))->isTabVisible(2));
    auto* months = d.findChild<QTableWidget*>(QStringLiteral("months"));
    ASSERT_EQ(months->rowCount(), 3);
    EXPECT_EQ(text(months, 0, 0), QStringLiteral("duben 2026"));
    EXPECT_EQ(text(months, 1, 0), QStringLiteral("květen 2026"));
    // The whole period: one tariff for both months costs at least the two
    // cheapest months apart.
    const int april = text(months, 0, 2).toInt(), may = text(months, 1, 2).toInt();
    EXPECT_GT(april, may);
    EXPECT_GE(text(months, 2, 2).toInt(), april + may);
    auto* month = d.findChild<QComboBox*>(QStringLiteral("month"));
    ASSERT_EQ(month->count(), 3);
    month->setCurrentIndex(2);
    EXPECT_EQ(d.profile().matrix[Peak][FixedLine], 10);
    EXPECT_EQ(d.profile().matrix[Peak][TMobile], 0);
}

TEST(ImportDialog, RefusesWhatIsNotACallLogAndCountsRefusedLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("letter.txt"));
    std::ofstream(path.toStdString()) << "Dear customer,\n";
    EXPECT_TRUE(ImportDialog({path}).error().contains(QStringLiteral("není záhlaví výpisu hovorů")));
    const QString lacking = dir.filePath(QStringLiteral("lacking.csv"));
    std::ofstream(lacking.toStdString()) << "datum;čas;směr;číslo;trvání;typ\n";
    EXPECT_EQ(ImportDialog({lacking}).error(),
              QStringLiteral("Soubor lacking.csv nelze importovat: V záhlaví výpisu hovorů chybí sloupec objem_kb (volume_kb)."));
    // Refused lines are counted on the first page too.
    const QString refused = dir.filePath(QStringLiteral("refused.csv"));
    std::ofstream(refused.toStdString()) << "date;time;direction;number;duration;type;volume_kb\n"
                                            "1. 4. 2026;10:00;out;222000001;60;call;\n1. 4. 2999;10:00;out;222000001;60;call;\n";
    ImportDialog withRefused({refused});
    EXPECT_TRUE(withRefused.findChild<QLabel*>(QStringLiteral("period"))->text().contains(QStringLiteral("Odmítnutých řádků nebo prvků: 1")));
    EXPECT_TRUE(ImportDialog({dir.filePath(QStringLiteral("none.csv"))}).error().contains(QStringLiteral("nelze otevřít")));
}

// Runs `step` on the modal window of type W each time it is found on top,
// until one has been seen and has gone; the timer belongs to `owner`.
template <typename W>
void whileModal(QObject* owner, std::function<void(W*)> step) {
    auto* timer = new QTimer(owner);
    auto seen = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, step, seen] {
        if (W* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            *seen = true;
            step(w);
        } else if (*seen) {
            timer->stop();
        }
    });
    timer->start(20);
}

TEST(ImportDialog, MainWindowUsesTheImportOrKeepsItsBoxes) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const bool use : {false, true}) {
        TForm1 w;
        w.show();
        w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
        w.findChild<QLineEdit*>(QStringLiteral("Edit46"))->setText(QStringLiteral("777"));
        const Profile before = w.profile();
        whileModal<QFileDialog>(&w, [](QFileDialog* fd) {
            // The name typed into the dialog's name box, as a user does; the
            // folder view loads in the background and may not list it yet.
            fd->setDirectory(QStringLiteral(SAZBAR_EXAMPLES));
            if (auto* name = fd->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(kBill);
            static_cast<QDialog*>(fd)->accept();
        });
        whileModal<ImportDialog>(&w, [use](ImportDialog* preview) {
            const QString name = use ? QStringLiteral("use") : QStringLiteral("cancel");
            QTest::mouseClick(preview->findChild<QPushButton*>(name), Qt::LeftButton);
        });
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("importButton")), Qt::LeftButton);
        const Profile after = w.profile();
        if (!use) {
            EXPECT_EQ(after.matrix, before.matrix);
            EXPECT_EQ(after.gprsNet, 777);
            EXPECT_TRUE(w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
            continue;
        }
        ImportDialog d({kBill});
        EXPECT_EQ(after.matrix, d.profile().matrix);
        EXPECT_EQ(after.gprsNet, 0);
        for (int r = 0; r < kIntlRows; ++r) {
            EXPECT_EQ(after.intl[r].country, d.profile().intl[r].country);
            EXPECT_EQ(after.intl[r].eveningWeekend, d.profile().intl[r].eveningWeekend);
        }
        EXPECT_FALSE(w.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
        EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("celkmin"))->text().toLongLong(), totalCallMinutes(after));
    }
    QDir::setCurrent(previous);
}

}  // namespace
