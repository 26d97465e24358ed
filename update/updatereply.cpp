#include "update/updatereply.h"

#include <QStringDecoder>

namespace sazbar {

namespace {

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QString decodeBody(const QByteArray& body) {
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(body);
        if (!utf8.hasError()) return text;
    }
    // Older Czech servers answer in windows-1250; Latin-1 when this Qt has no
    // converter for it. Either way the version field is plain ASCII.
    QStringDecoder cp1250("windows-1250");
    if (cp1250.isValid()) return cp1250(body);
    return QString::fromLatin1(body);
}

}  // namespace

bool isVersionText(const QString& text) {
    return text.size() == 4 && isAsciiDigit(text[0]) && text[1] == QLatin1Char('.') && isAsciiDigit(text[2]) &&
           isAsciiDigit(text[3]);
}

bool isNewer(const QString& n, const QString& c) {
    if (n.size() < 4 || c.size() < 4) return false;
    const char16_t n1 = n[0].unicode(), n3 = n[2].unicode(), n4 = n[3].unicode();
    const char16_t c1 = c[0].unicode(), c3 = c[2].unicode(), c4 = c[3].unicode();
    if (n1 != c1) return n1 > c1;
    if (n3 != c3) return n3 > c3;
    return n4 > c4;
}

std::optional<UpdateInfo> parseUpdateReply(const QString& reply) {
    const QChar star = QLatin1Char('*');
    qsizetype from = 0;
    // The next '*'-terminated field, or nothing when no '*' is left.
    auto nextField = [&]() -> std::optional<QString> {
        const qsizetype end = reply.indexOf(star, from);
        if (end < 0) return std::nullopt;
        QString field = reply.mid(from, end - from);
        from = end + 1;
        return field;
    };

    const auto version = nextField();
    const auto date = nextField();
    if (!version || !date || !isVersionText(*version)) return std::nullopt;

    UpdateInfo info;
    info.version = *version;
    info.date = date->trimmed();
    while (info.changes.size() < kMaxChangeLines) {
        const auto line = nextField();
        if (!line) break;
        info.changes.append(line->trimmed());
    }
    return info;
}

std::optional<UpdateInfo> parseUpdateReply(const QByteArray& body) { return parseUpdateReply(decodeBody(body)); }

}  // namespace sazbar
