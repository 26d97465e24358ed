// The update server's reply: any body gives either nothing or a version
// "d.dd" with at most twenty change lines; isNewer is a strict order that
// follows the character-by-character rule.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <optional>
#include <tuple>

#include "update/updatereply.h"

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, detail.toUtf8().constData());
    std::abort();
}

bool asciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// Newer when (first digit, first digit after the point, second digit after
// it) is greater, compared as UTF-16 code units; short texts never compare.
bool newerByRule(const QString& n, const QString& c) {
    if (n.size() < 4 || c.size() < 4) return false;
    return std::make_tuple(n[0].unicode(), n[2].unicode(), n[3].unicode()) >
           std::make_tuple(c[0].unicode(), c[2].unicode(), c[3].unicode());
}

void checkReply(const std::optional<sazbar::UpdateInfo>& info, const QString& decoded, bool knowDecoded) {
    // A version can only come from a text with at least two '*'-ended fields.
    if (!info) {
        if (knowDecoded && decoded.count(QLatin1Char('*')) >= 2 && sazbar::isVersionText(decoded.section('*', 0, 0)))
            fail("reply with a valid version refused", decoded);
        return;
    }
    const QString& v = info->version;
    if (v.size() != 4 || !asciiDigit(v[0]) || v[1] != QLatin1Char('.') || !asciiDigit(v[2]) || !asciiDigit(v[3]))
        fail("version not of the form d.dd", v);
    if (info->changes.size() > sazbar::kMaxChangeLines) fail("too many change lines");
    if (info->date.contains(QLatin1Char('*'))) fail("date holds a field end", info->date);
    for (const QString& line : info->changes) {
        if (line.contains(QLatin1Char('*'))) fail("change line holds a field end", line);
        if (line != line.trimmed()) fail("change line keeps white space", line);
    }
    if (knowDecoded) {
        const qsizetype fields = decoded.count(QLatin1Char('*'));
        const qsizetype expected = std::min<qsizetype>(fields - 2, sazbar::kMaxChangeLines);
        if (info->changes.size() != expected) fail("change lines miscounted", decoded);
        if (v != decoded.section('*', 0, 0)) fail("version is not the first field", decoded);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    checkReply(sazbar::parseUpdateReply(body), {}, false);
    const QString latin1 = QString::fromLatin1(body);
    checkReply(sazbar::parseUpdateReply(latin1), latin1, true);

    // isNewer over three versions cut from the input, with and without the
    // rule's own shape.
    const QString a = latin1.left(4), b = latin1.mid(4, 4), c = latin1.mid(8, 4);
    const QString versions[] = {a, b, c, latin1.mid(12)};
    for (const QString& x : versions) {
        if (sazbar::isNewer(x, x)) fail("version newer than itself", x);
        for (const QString& y : versions) {
            if (sazbar::isNewer(x, y) != newerByRule(x, y)) fail("isNewer breaks the rule", x + " / " + y);
            if (sazbar::isNewer(x, y) && sazbar::isNewer(y, x)) fail("isNewer both ways", x + " / " + y);
            for (const QString& z : versions)
                if (sazbar::isNewer(x, y) && sazbar::isNewer(y, z) && !sazbar::isNewer(x, z))
                    fail("isNewer not transitive", x + " / " + y + " / " + z);
        }
    }
    return 0;
}
