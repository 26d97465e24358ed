#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Program identity, the program's web site and mail address, and the way
// windows open links. The compiled-in values live here and nowhere else.
namespace sazbar {

inline constexpr char kProgramName[] = "Sazbar 2000";
inline constexpr char kProgramVersion[] = "6.61";
inline constexpr char kProgramDate[] = "1. 3. 2005";

inline constexpr char kWebSite[] = "http://www.sazbar.cz";
inline constexpr char kMailAddress[] = "info@sazbar.cz";

QUrl webSiteUrl();
QUrl mailUrl();  // mailto:

// Opens a URL in the browser or the mail program. Windows keep one of these
// so tests can watch what would be opened instead of starting a browser.
using UrlOpener = std::function<bool(const QUrl&)>;
// The system's opener: xdg-open where there is one, else the platform's own
// way. When no browser or mail program can be started it says so in a
// message box that shows the address, and returns false if it knows at once.
UrlOpener systemUrlOpener();

// The message shown when a link could not be opened: the address to copy.
QString unopenedLinkText(const QUrl& url);
// Shows that message (not modal) over the active window.
void reportUnopenedLink(const QUrl& url);

}  // namespace sazbar
