#include "update/settings.h"

#include <QtGlobal>

namespace sazbar {

namespace {

QUrl serverPart(const QUrl& from) {
    QUrl server;
    server.setScheme(from.scheme().toLower());
    server.setHost(from.host());
    server.setPort(from.port());
    return server;
}

bool usableServer(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

}  // namespace

QUrl updateServer() {
    const QString fromEnv = qEnvironmentVariable(kUpdateServerEnv).trimmed();
    if (!fromEnv.isEmpty()) {
        const QUrl url(fromEnv, QUrl::StrictMode);
        if (usableServer(url)) return serverPart(url);
    }
    return serverPart(QUrl(QString::fromLatin1(kDefaultUpdateServer)));
}

QUrl updateRequestUrl(const QString& version) {
    QUrl url = updateServer();
    url.setPath(QStringLiteral("/novaverze.php"));
    url.setQuery(QStringLiteral("verze=") + version);
    return url;
}

QUrl downloadUrl() {
    QUrl url = updateServer();
    url.setPath(QStringLiteral("/download.php"));
    return url;
}

}  // namespace sazbar
