#include "ui/common/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QtGlobal>

namespace sazbar {

QUrl webSiteUrl() { return QUrl(QString::fromLatin1(kWebSite)); }

QUrl mailUrl() { return QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kMailAddress)); }

QString unopenedLinkText(const QUrl& url) {
    if (url.scheme() == QLatin1String("mailto"))
        return QCoreApplication::translate("sazbar::Links",
                                           "Nepodařilo se spustit poštovní program. Napište prosím na adresu:\n\n") +
               url.path();
    return QCoreApplication::translate(
               "sazbar::Links", "Nepodařilo se spustit webový prohlížeč. Otevřete prosím v prohlížeči adresu:\n\n") +
           url.toString();
}

void reportUnopenedLink(const QUrl& url) {
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(kProgramName), unopenedLinkText(url),
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("unopenedLink"));
    // The address can be selected and copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->show();
}

UrlOpener systemUrlOpener() {
    return [](const QUrl& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // xdg-open tells by its exit status whether a program took the address;
        // QDesktopServices only tells whether xdg-open itself started.
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!xdgOpen.isEmpty()) {
            auto* process = new QProcess(qApp);
            QObject::connect(process, &QProcess::finished, process,
                             [process, url](int code, QProcess::ExitStatus status) {
                                 if (status != QProcess::NormalExit || code != 0) reportUnopenedLink(url);
                                 process->deleteLater();
                             });
            QObject::connect(process, &QProcess::errorOccurred, process, [process, url](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart) return;
                reportUnopenedLink(url);
                process->deleteLater();
            });
            process->setStandardOutputFile(QProcess::nullDevice());
            process->setStandardErrorFile(QProcess::nullDevice());
            process->start(xdgOpen, {url.toString(QUrl::FullyEncoded)});
            return true;
        }
#endif
        if (QDesktopServices::openUrl(url)) return true;
        reportUnopenedLink(url);
        return false;
    };
}

}  // namespace sazbar
