#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Program identity and the addresses the program talks to. The compiled-in
// defaults live here and nowhere else.
namespace sazbar {

inline constexpr char kProgramName[] = "Sazbar 2000";
inline constexpr char kProgramVersion[] = "6.61";
inline constexpr char kProgramDate[] = "1. 3. 2005";

inline constexpr char kDefaultUpdateServer[] = "http://www.sazbar.cz";
inline constexpr char kWebSite[] = "http://www.sazbar.cz";
inline constexpr char kMailAddress[] = "info@sazbar.cz";

// Environment variable that points the update check at another server
// (scheme, host and optional port, e.g. "http://127.0.0.1:8765").
inline constexpr char kUpdateServerEnv[] = "SAZBAR_UPDATE_URL";

// The update server: SAZBAR_UPDATE_URL when it holds a usable http or https
// address, otherwise the compiled-in default. Only scheme, host and port are
// taken; any path, query or user info in the variable is dropped.
QUrl updateServer();

// {server}/novaverze.php?verze={version}
QUrl updateRequestUrl(const QString &version);
// {server}/download.php
QUrl downloadUrl();
QUrl webSiteUrl();
QUrl mailUrl();  // mailto:

// Opens a URL in the browser or the mail program. Windows keep one of these
// so tests can watch what would be opened instead of starting a browser.
using UrlOpener = std::function<bool(const QUrl &)>;
// The system's opener: xdg-open where there is one, else the platform's own
// way. When no browser or mail program can be started it says so in a
// message box that shows the address, and returns false if it knows at once.
UrlOpener systemUrlOpener();

// The message shown when a link could not be opened: the address to copy.
QString unopenedLinkText(const QUrl &url);
// Shows that message (not modal) over the active window.
void reportUnopenedLink(const QUrl &url);

}  // namespace sazbar
