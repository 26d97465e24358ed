#include "update/connection.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QLibrary>
#else
#include <QNetworkInformation>
#endif

namespace sazbar {

#ifdef Q_OS_WIN

bool isConnectedToInternet() {
    // BOOL InternetGetConnectedState(LPDWORD lpdwFlags, DWORD dwReserved)
    using GetConnectedState = int(__stdcall*)(unsigned long*, unsigned long);
    QLibrary wininet(QStringLiteral("wininet"));
    const auto getState = reinterpret_cast<GetConnectedState>(wininet.resolve("InternetGetConnectedState"));
    if (!getState) return true;
    return getState(nullptr, 0) != 0;
}

#else

bool isConnectedToInternet() {
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) return true;
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability)) return true;
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

#endif

}  // namespace sazbar
