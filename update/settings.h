#pragma once

#include <QString>
#include <QUrl>

// Where the update check asks for a new version. The compiled-in default
// server lives here and nowhere else.
namespace sazbar {

inline constexpr char kDefaultUpdateServer[] = "http://www.sazbar.cz";

// Environment variable that points the update check at another server
// (scheme, host and optional port, e.g. "http://127.0.0.1:8765").
inline constexpr char kUpdateServerEnv[] = "SAZBAR_UPDATE_URL";

// The update server: SAZBAR_UPDATE_URL when it holds a usable http or https
// address, otherwise the compiled-in default. Only scheme, host and port are
// taken; any path, query or user info in the variable is dropped.
QUrl updateServer();

// {server}/novaverze.php?verze={version}
QUrl updateRequestUrl(const QString& version);
// {server}/download.php
QUrl downloadUrl();

}  // namespace sazbar
