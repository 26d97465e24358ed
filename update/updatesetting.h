#pragma once

#include <QString>

#include <optional>

namespace sazbar {

// The one-line file "update" in the working directory. Its first line
// "NOCONNECT" (exactly, case-sensitive) switches the update check off.
inline constexpr char kUpdateSettingFile[] = "update";
inline constexpr char kNoConnect[] = "NOCONNECT";

// The first line without its line break; nothing when the file is missing or
// unreadable. Reads at most a short line, whatever the file's size.
std::optional<QString> readUpdateSettingLine(const QString& path = QString::fromLatin1(kUpdateSettingFile));

bool updateCheckSwitchedOff(const QString& path = QString::fromLatin1(kUpdateSettingFile));

// Overwrites the file with "NOCONNECT\r\n". False when it cannot be written.
bool switchUpdateCheckOff(const QString& path = QString::fromLatin1(kUpdateSettingFile));

}  // namespace sazbar
