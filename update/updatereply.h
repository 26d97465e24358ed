#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace sazbar {

// What the update server says about the newest version.
struct UpdateInfo {
    QString version;      // "d.dd"
    QString date;         // free text, e.g. "1. 1. 2005"
    QStringList changes;  // at most kMaxChangeLines lines
};

inline constexpr int kMaxChangeLines = 20;
// Replies longer than this are not read; see Taktualizace.
inline constexpr qint64 kMaxReplyBytes = 64 * 1024;

// The reply is a run of fields, each ended by '*': version, date, then up to
// twenty change lines; whatever follows the last '*' is ignored. Returns
// nothing when the version or the date field is missing or the version is not
// one digit, a point and two digits. Date and change lines lose surrounding
// white space (servers like to put line breaks between the fields).
std::optional<UpdateInfo> parseUpdateReply(const QString& reply);
// Decodes the body (UTF-8, or windows-1250 / Latin-1 when it is not valid
// UTF-8) and parses it.
std::optional<UpdateInfo> parseUpdateReply(const QByteArray& body);

// One digit, a point, two digits.
bool isVersionText(const QString& text);

// True when version n is newer than version c: compared character by
// character on the first digit, then the two digits after the point. Texts
// shorter than four characters are never newer and never older.
bool isNewer(const QString& n, const QString& c);

}  // namespace sazbar
