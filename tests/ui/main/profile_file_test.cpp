// Profiles as files: saved from the main window and the results window,
// opened again, priced by sazbar-cli, and refused whole when damaged.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "core/boxes.h"
#include "ui/main/tform1.h"
#include "ui/results/tform3.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Answers the next modal message box with `button` and keeps its text.
class BoxAnswer {
public:
    explicit BoxAnswer(QMessageBox::StandardButton button) {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                if (QAbstractButton* b = box->button(button)) b->click();
                else box->reject();
            }
        });
        timer.start();
    }
    QStringList texts;
    QTimer timer;
};

struct Situation {
    std::unique_ptr<TForm1> main = std::make_unique<TForm1>();
    std::unique_ptr<Tform3> results = std::make_unique<Tform3>();
    Situation() {
        main->setResultsWindow(results.get());
        results->setProfileSource([w = main.get()] { return w->profile(); });
    }
    QLineEdit* box(int n) const { return main->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }
    QComboBox* country(int r) const { return main->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(r + 1)); }
    QCheckBox* check(QWidget* w, const char* name) const { return w->findChild<QCheckBox*>(QString::fromLatin1(name)); }
    // What the window shows of the situation, box texts included.
    QStringList shown() const {
        QStringList s;
        for (int n = 1; n <= sazbar::kBoxCount; ++n) s << box(n)->text();
        for (int r = 0; r < sazbar::kIntlRows; ++r) s << QString::number(country(r)->currentIndex());
        for (QCheckBox* c : {check(main.get(), "internet"), check(results.get(), "inkaso"),
                             check(results.get(), "CheckBox1")})
            s << (c->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
        return s;
    }
    // Every box, country and check box different from its default.
    void fillDistinct() {
        for (int n = 1; n <= sazbar::kBoxCount; ++n) box(n)->setText(QString::number(n * 3 + 1));
        for (int r = 0; r < sazbar::kIntlRows; ++r) country(r)->setCurrentIndex(35 - r * 7);
        check(main.get(), "internet")->setChecked(true);
        check(results.get(), "inkaso")->setChecked(true);
        check(results.get(), "CheckBox1")->setChecked(true);
    }
};

class ProfileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The recent list of an earlier test must not show here.
        QFile::remove(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Sazbar/Sazbar 2000.conf")));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(ProfileFiles, EveryFieldComesBackAfterARestart) {
    const QString file = path(QStringLiteral("můj měsíc.sazbar.json"));
    QStringList saved;
    {
        Situation s;
        s.fillDistinct();
        saved = s.shown();
        ASSERT_TRUE(s.main->saveProfile(file));
        EXPECT_EQ(s.main->windowTitle(), QStringLiteral("můj měsíc.sazbar.json[*] – Sazbar 2000"));
        EXPECT_FALSE(s.main->isWindowModified());
        s.box(12)->setText(QStringLiteral("99"));
        EXPECT_TRUE(s.main->isWindowModified());
        s.box(12)->setText(QString::number(12 * 3 + 1));
        EXPECT_FALSE(s.main->isWindowModified()) << "back to the saved value";
        s.check(s.results.get(), "inkaso")->setChecked(false);
        EXPECT_TRUE(s.main->isWindowModified()) << "the results window's boxes belong to the profile";
    }
    Situation s;
    EXPECT_NE(s.shown(), saved);
    ASSERT_TRUE(s.main->openProfile(file));
    EXPECT_EQ(s.shown(), saved);
    EXPECT_FALSE(s.main->isWindowModified());
    EXPECT_EQ(s.main->recentProfiles(), QStringList{QFileInfo(file).absoluteFilePath()});

    // The file names itself after its file, and is the profile sazbar-cli reads.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    EXPECT_EQ(o.value(QStringLiteral("name")).toString(), QStringLiteral("můj měsíc"));
    EXPECT_EQ(o.value(QStringLiteral("matrix")).toArray()[1].toArray()[4].toInt(), 12 * 3 + 1);  // Edit12: SMS to Eurotel
}

TEST_F(ProfileFiles, SazbarCliPricesTheSavedFileAsTheWindowDoes) {
    Situation s;
    s.fillDistinct();
    // A month the tariffs price differently; the GPRS marks some unsupported.
    for (int n = 1; n <= sazbar::kBoxCount; ++n) s.box(n)->setText(QString::number((n * 37) % 23));
    s.check(s.results.get(), "inkaso")->setChecked(true);
    const QString file = path(QStringLiteral("cena.sazbar.json"));
    ASSERT_TRUE(s.main->saveProfile(file));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(s.results.get(), &activate);

    QProcess cli;
    cli.start(QStringLiteral(SAZBAR_CLI), {QStringLiteral("--format"), QStringLiteral("json"), file});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(cli.readAllStandardOutput()).object().value(QStringLiteral("results")).toArray();
    ASSERT_EQ(rows.size(), 49);
    for (const QJsonValue& row : rows) {
        const QString id = row[QStringLiteral("id")].toString();
        const QLineEdit* field = s.results->field(id);
        ASSERT_NE(field, nullptr) << id.toStdString();
        EXPECT_EQ(field->text(), row[QStringLiteral("text")].toString()) << id.toStdString();
    }
}

struct Damaged {
    const char* what;
    QByteArray text;
    const char* message;  // a part of the message box's text
};

TEST_F(ProfileFiles, DamagedAndHostileFilesChangeNothing) {
    const Damaged cases[] = {
        {"not JSON", "{\"matrix\": [", "není platný JSON"},
        {"empty", "", "není platný JSON"},
        {"binary", QByteArray("\x00\x01\xff{}", 5), "není platný JSON"},
        {"an array", "[1, 2]", "objekt JSON"},
        {"unknown key", "{\"matrixx\": []}", "Neznámá položka „matrixx“"},
        {"long unknown key", "{\"" + QByteArray(5000, 'k') + "\": 1}", "Neznámá položka „kkkk"},
        {"text for a number", "{\"gprs_wap_kb\": \"5\"}", "„gprs_wap_kb“ musí být celé číslo"},
        {"negative", "{\"wap\": [0, -1, 0, 0]}", "„wap[1] (Odpoledne)“ musí být celé číslo od 0"},
        {"fraction", "{\"gprs_internet_kb\": 2.5}", "„gprs_internet_kb“ musí být celé číslo"},
        {"beyond 32 bits", "{\"gprs_internet_kb\": 2147483648}", "do 2147483647"},
        {"huge number", "{\"gprs_internet_kb\": 1e400}", "„gprs_internet_kb“ musí být celé číslo od 0 do 2147483647"},
        // Cut short: what is wrong and where, in words.
        {"ends in a number", "{\n  \"matrix\": [[0, 12", "(řádek 2, sloupec 20): soubor končí uprostřed čísla."},
        {"ends in a text", "{\"name\": \"Tá", "(řádek 1, sloupec 13): soubor končí uprostřed textu"},
        {"ends early", "{\"wap\": [0, 0, 0, 0]\n", "(řádek 2, sloupec 1): soubor končí dřív, než se uzavřou"},
        {"two profiles", "{}\n{}", "(řádek 2, sloupec 1): za koncem profilu následuje další text."},
        {"duplicate", "{\"wap\": [0, 0, 0, 0], \"wap\": [1, 1, 1, 1]}", "„wap“ je v souboru dvakrát"},
        {"short matrix row", "{\"matrix\": [[0,0,0,0,0,0,0],[0],[0,0,0,0,0,0,0],[0,0,0,0,0,0,0]]}",
         "„matrix[1]“ (Odpoledne) musí být pole 7"},
        {"matrix cell", "{\"matrix\": [[0,0,0,0,0,0,0],[0,0,0,0,0,0,0],[0,0,null,0,0,0,0],[0,0,0,0,0,0,0]]}",
         "„matrix[2][2] (Eurotel, Večer)“"},
        {"country", "{\"international\": [{\"country\": 36}]}", "„international[0].country“ musí být číslo země"},
        {"five rows", "{\"international\": [{}, {}, {}, {}, {}]}", "nejvýše 4 řádků"},
        {"unknown row key", "{\"international\": [{\"peek\": 1}]}", "„international[0].peek“"},
        {"flag", "{\"internet_calls\": 1}", "„internet_calls“ musí být true nebo false"},
        {"name", "{\"name\": 5}", "„name“ musí být text"},
        {"too large", "{\"name\": \"" + QByteArray(70 * 1024, 'a') + "\"}", "příliš velký"},
    };
    Situation s;
    s.fillDistinct();
    const QString good = path(QStringLiteral("dobrý.sazbar.json"));
    ASSERT_TRUE(s.main->saveProfile(good));
    const QStringList before = s.shown();
    const QString title = s.main->windowTitle();
    for (const Damaged& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path(QStringLiteral("poškozený.sazbar.json"));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        BoxAnswer answer(QMessageBox::Ok);
        EXPECT_FALSE(s.main->openProfile(file));
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QString::fromUtf8(c.message))) << answer.texts[0].toStdString();
        EXPECT_EQ(s.shown(), before);
        EXPECT_EQ(s.main->windowTitle(), title);
        EXPECT_EQ(s.main->profilePath(), QFileInfo(good).absoluteFilePath());
    }
    // Nothing to read at all, or nothing that ends: refused at once, never
    // waited for (the alarm ends a test that hangs).
    const QString fifo = path(QStringLiteral("roura.sazbar.json"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = path(QStringLiteral("nuly.sazbar.json"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& missing : {path(QStringLiteral("není.sazbar.json")), dir.path(), fifo, zero}) {
        BoxAnswer answer(QMessageBox::Ok);
        alarm(20);
        EXPECT_FALSE(s.main->openProfile(missing));
        alarm(0);
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("nelze"))) << answer.texts[0].toStdString();
        EXPECT_EQ(s.shown(), before);
    }
    EXPECT_EQ(s.main->recentProfiles(), QStringList{QFileInfo(good).absoluteFilePath()});
}

TEST_F(ProfileFiles, AFailedSaveKeepsTheOldFileAndTheTitle) {
    Situation s;
    const QString file = path(QStringLiteral("a.sazbar.json"));
    ASSERT_TRUE(s.main->saveProfile(file));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray old = f.readAll();
    f.close();
    s.box(1)->setText(QStringLiteral("5"));
    // Made read-only, the folder takes no new file; a folder that does not exist neither.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool asRoot = QFileInfo(dir.path()).isWritable();  // root writes anyway
    for (const QString& target : {file, path(QStringLiteral("chybí/b.sazbar.json"))}) {
        if (asRoot && target == file) continue;
        BoxAnswer answer(QMessageBox::Ok);
        EXPECT_FALSE(s.main->saveProfile(target)) << target.toStdString();
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("nelze uložit"))) << answer.texts[0].toStdString();
        EXPECT_EQ(s.main->profilePath(), QFileInfo(file).absoluteFilePath());
        EXPECT_TRUE(s.main->isWindowModified());
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
}

TEST_F(ProfileFiles, RecentListAndTheQuestionBeforeReplacing) {
    Situation s;
    QStringList files;
    for (int i = 0; i < 7; ++i) {
        files.prepend(QFileInfo(path(QStringLiteral("p%1.sazbar.json").arg(i))).absoluteFilePath());
        s.box(1)->setText(QString::number(i));
        ASSERT_TRUE(s.main->saveProfile(files.front()));
    }
    files = files.mid(0, TForm1::kRecentProfiles);
    EXPECT_EQ(s.main->recentProfiles(), files);
    auto* menu = s.main->findChild<QMenu*>(QStringLiteral("profileMenu"));
    ASSERT_NE(menu, nullptr);
    // Opens a file from the menu of recent profiles, as the user picks it.
    auto openRecent = [&](const QString& name) {
        emit menu->aboutToShow();
        const QList<QAction*> actions = s.main->findChild<QMenu*>(QStringLiteral("recentProfiles"))->actions();
        EXPECT_EQ(actions.size(), TForm1::kRecentProfiles);
        for (QAction* a : actions)
            if (a->text().endsWith(name + QLatin1String(".sazbar.json"))) return a->trigger();
        ADD_FAILURE() << name.toStdString() << " is not in the recent list";
    };

    // p6 is open and unchanged: opening p5 asks nothing.
    {
        BoxAnswer answer(QMessageBox::Cancel);
        openRecent(QStringLiteral("p5"));
        EXPECT_TRUE(answer.texts.isEmpty());
        EXPECT_EQ(s.box(1)->text(), QStringLiteral("5"));
    }
    // Changed, it asks; "Zrušit" keeps everything, "Zahodit" opens the other file.
    s.box(1)->setText(QStringLiteral("77"));
    const struct {
        QMessageBox::StandardButton answer;
        const char* box1;
    } answers[] = {{QMessageBox::Cancel, "77"}, {QMessageBox::Discard, "4"}};
    for (const auto& a : answers) {
        BoxAnswer answer(a.answer);
        openRecent(QStringLiteral("p4"));
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("Uložit změny?")));
        EXPECT_EQ(s.box(1)->text(), QString::fromLatin1(a.box1));
    }
    // "Uložit" writes the changes into p4 first.
    s.box(1)->setText(QStringLiteral("88"));
    {
        BoxAnswer answer(QMessageBox::Save);
        openRecent(QStringLiteral("p6"));
        ASSERT_EQ(answer.texts.size(), 1);
    }
    EXPECT_EQ(s.box(1)->text(), QStringLiteral("6"));
    ASSERT_TRUE(s.main->openProfile(path(QStringLiteral("p4.sazbar.json"))));
    EXPECT_EQ(s.box(1)->text(), QStringLiteral("88"));
    EXPECT_EQ(s.main->recentProfiles().size(), TForm1::kRecentProfiles);
}

TEST_F(ProfileFiles, AFileDroppedOnTheWindowOrABoxOpens) {
    Situation dropped;
    const QString file = path(QStringLiteral("d.sazbar.json"));
    {
        Situation s;
        s.fillDistinct();
        ASSERT_TRUE(s.main->saveProfile(file));
    }
    dropped.main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dropped.main.get()));
    for (QWidget* target : {static_cast<QWidget*>(dropped.main.get()), static_cast<QWidget*>(dropped.box(20))}) {
        dropped.box(1)->setText(QStringLiteral("0"));
        BoxAnswer discard(QMessageBox::Discard);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        const QPointF at(2, 2);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return dropped.box(1)->text() == QStringLiteral("4"); }, 2000))
            << target->objectName().toStdString();
        EXPECT_EQ(dropped.box(20)->text(), QStringLiteral("61"));
    }
}

TEST_F(ProfileFiles, EndingWithAChangedProfileAsksFirst) {
    const QString file = path(QStringLiteral("mesic1.sazbar.json"));
    const QString dat = QStringLiteral("sazbar.dat");
    const struct {
        QMessageBox::StandardButton answer;
        bool ends;
        const char* inFile;  // Edit1 as the profile file keeps it afterwards
    } answers[] = {{QMessageBox::Cancel, false, "1"}, {QMessageBox::Discard, true, "1"}, {QMessageBox::Save, true, "77"}};
    for (const bool titleBar : {false, true}) {
        for (const auto& a : answers) {
            SCOPED_TRACE(std::to_string(titleBar) + " " + std::to_string(a.answer));
            QFile::remove(dat);
            Situation s;
            s.main->show();
            s.box(1)->setText(QStringLiteral("1"));
            ASSERT_TRUE(s.main->saveProfile(file));
            s.box(1)->setText(QStringLiteral("77"));
            ASSERT_TRUE(s.main->isWindowModified());
            QSignalSpy quit(s.main.get(), &TForm1::quitRequested);
            BoxAnswer answer(a.answer);
            if (titleBar)
                EXPECT_EQ(s.main->close(), a.ends);
            else
                s.main->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
            ASSERT_EQ(answer.texts.size(), 1);
            EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("Uložit změny?")));
            EXPECT_EQ(quit.count(), a.ends ? 1 : 0);
            EXPECT_EQ(s.main->isVisible(), !a.ends);
            // The boxes reach sazbar.dat as ever, whatever happens to the profile.
            EXPECT_EQ(QFile::exists(dat), a.ends);
            sazbar::ui::ProfileFile kept;
            QString error;
            ASSERT_TRUE(sazbar::ui::readProfileFile(file, kept, error));
            EXPECT_EQ(kept.profile.matrix[0][0], QByteArray(a.inFile).toInt());
        }
    }
    // Unchanged, it ends without a question.
    Situation s;
    ASSERT_TRUE(s.main->openProfile(file));
    BoxAnswer answer(QMessageBox::Cancel);
    EXPECT_TRUE(s.main->close());
    EXPECT_TRUE(answer.texts.isEmpty());
    QFile::remove(dat);
}

}  // namespace

int main(int argc, char** argv) {
    // Settings and the saved inputs file in a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QDir::setCurrent(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
