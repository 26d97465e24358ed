// Pictures of the splash, the update window, the question, the notice and the
// information and help windows, for checking the layout by eye:
//   sazbar_update_screenshots <output folder>

#include "ui/common/linklabel.h"
#include "ui/info/helpwindow.h"
#include "ui/info/tinfo.h"
#include "update/taktualizace.h"
#include "update/tnewversion.h"
#include "update/tstartup.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QTranslator>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    window.hide();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCzech);

    bool ok = true;
    Tstartup splash(nullptr, 24 * 3600 * 1000);
    ok &= save(splash, folder, QStringLiteral("splash"));

    Taktualizace update;
    update.ProgressBar1->setValue(31);
    ok &= save(update, folder, QStringLiteral("update"));

    QMessageBox question(QMessageBox::Question, QStringLiteral("Potvrzení"), Taktualizace::questionText(),
                         QMessageBox::Yes | QMessageBox::No);
    ok &= save(question, folder, QStringLiteral("question"));

    Tnewversion notice;
    notice.setNews({QStringLiteral("6.62"),
                    QStringLiteral("15. 4. 2005"),
                    {QStringLiteral("Nové ceníky Eurotel platné od dubna"), QStringLiteral("Tarify Oskar Naplno"),
                     QStringLiteral("Opravy tisku grafu")}});
    ok &= save(notice, folder, QStringLiteral("notice"));
    notice.Download->setHot(true);
    ok &= save(notice, folder, QStringLiteral("notice_hover"));

    Tinfo info;
    ok &= save(info, folder, QStringLiteral("info"));
    info.show();
    info.Timer1Timer();
    info.skryty->show();
    info.web->setHot(true);
    info.termsWeb->setHot(true);
    const QString path = QDir(folder).filePath(QStringLiteral("info_reward.png"));
    ok &= info.grab().save(path);
    info.hide();

    Thelp help;
    ok &= save(help, folder, QStringLiteral("help"));
    Tzahr_help abroad;
    ok &= save(abroad, folder, QStringLiteral("help_abroad"));
    TForm2 results;
    ok &= save(results, folder, QStringLiteral("help_results"));
    Tgraph_help chart;
    ok &= save(chart, folder, QStringLiteral("help_chart"));
    return ok ? 0 : 1;
}
