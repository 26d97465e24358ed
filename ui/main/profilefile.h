// A whole situation of the main window kept as a ".sazbar.json" file: the
// profile JSON that sazbar-cli prices, plus an optional name.
#pragma once

#include <QByteArray>
#include <QString>

#include "core/profile.h"

namespace sazbar::ui {

struct ProfileFile {
    Profile profile;
    bool directDebit = false;  // the results window's "Platba inkasem"
    bool fixedLine = false;    // the results window's "Vypočítat Český Telecom"
    QString name;              // not part of the pricing

    // The priced content; the name does not make two situations differ.
    bool samePricing(const ProfileFile& o) const;
};

inline constexpr const char* kProfileSuffix = ".sazbar.json";
// A profile is a few hundred bytes; anything far larger is not one.
inline constexpr qint64 kMaxProfileBytes = 64 * 1024;

// The file's text. Negative counts, which mean nothing in a month of use,
// are written as 0.
QByteArray profileFileText(const ProfileFile& p);

// Reads a profile text strictly: unknown keys, wrong types, wrong array
// lengths, fractions, negative numbers and numbers beyond the 32-bit range
// are refused with a Czech message naming the entry. `out` changes only on
// success.
bool parseProfileFile(const QByteArray& text, ProfileFile& out, QString& error);

// The same from a file, at most kMaxProfileBytes long.
bool readProfileFile(const QString& path, ProfileFile& out, QString& error);

// Writes atomically: the old file stays whole unless the new one is complete.
bool writeProfileFile(const QString& path, const ProfileFile& p, QString& error);

}  // namespace sazbar::ui
