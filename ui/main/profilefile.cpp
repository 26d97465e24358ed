#include "ui/main/profilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/small_file.h"

namespace sazbar::ui {

namespace {

// The texts of this file are translated in the context "ProfileFile".
class Texts {
    Q_DECLARE_TR_FUNCTIONS(ProfileFile)
};

const char* const kBandNames[kBands] = {QT_TRANSLATE_NOOP("ProfileFile", "Špička"),
                                        QT_TRANSLATE_NOOP("ProfileFile", "Odpoledne"),
                                        QT_TRANSLATE_NOOP("ProfileFile", "Večer"),
                                        QT_TRANSLATE_NOOP("ProfileFile", "Víkend")};
const char* const kRowNames[kRows] = {QT_TRANSLATE_NOOP("ProfileFile", "Pevná linka"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "T - Mobile"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "Eurotel"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "Oskar"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "SMS a MMS"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "Hlasová schránka"),
                                      QT_TRANSLATE_NOOP("ProfileFile", "Datové přenosy")};

// Reads one object strictly; the first fault is kept as the message.
class Reader {
public:
    explicit Reader(ProfileFile& out) : out_(out) {}
    QString error;

    bool root(const QJsonObject& o) {
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const QJsonValue v = it.value();
            bool ok = false;
            if (key == QLatin1String("matrix")) ok = matrix(v);
            else if (key == QLatin1String("wap")) ok = integers(v, out_.profile.wap, key);
            else if (key == QLatin1String("gprs_wap_kb")) ok = count(v, out_.profile.gprsWap, key);
            else if (key == QLatin1String("gprs_internet_kb")) ok = count(v, out_.profile.gprsNet, key);
            else if (key == QLatin1String("international")) ok = international(v);
            else if (key == QLatin1String("internet_calls")) ok = flag(v, out_.profile.internetCalls, key);
            else if (key == QLatin1String("direct_debit")) ok = flag(v, out_.directDebit, key);
            else if (key == QLatin1String("fixed_line")) ok = flag(v, out_.fixedLine, key);
            else if (key == QLatin1String("name")) {
                if (!v.isString()) return fail(Texts::tr("Položka „name“ musí být text."));
                out_.name = v.toString();
                ok = true;
            } else
                return unknown(key);
            if (!ok) return false;
        }
        return true;
    }

private:
    bool fail(const QString& message) {
        error = message;
        return false;
    }
    bool unknown(const QString& key) {
        // A hostile key can be any length; the message shows its start.
        const QString shown = key.size() > 40 ? key.left(40) + QStringLiteral("…") : key;
        return fail(Texts::tr("Neznámá položka „%1“.").arg(shown));
    }

    bool count(const QJsonValue& v, std::int32_t& target, const QString& field) {
        const double d = v.toDouble(-1);
        if (!v.isDouble() || !std::isfinite(d) || d < 0 || d > std::numeric_limits<std::int32_t>::max() ||
            std::floor(d) != d)
            return fail(Texts::tr("Položka „%1“ musí být celé číslo od 0 do 2147483647.").arg(field));
        target = static_cast<std::int32_t>(d);
        return true;
    }
    bool flag(const QJsonValue& v, bool& target, const QString& field) {
        if (!v.isBool()) return fail(Texts::tr("Položka „%1“ musí být true nebo false.").arg(field));
        target = v.toBool();
        return true;
    }
    bool integers(const QJsonValue& v, std::array<std::int32_t, kBands>& target, const QString& field) {
        if (!v.isArray() || v.toArray().size() != kBands)
            return fail(Texts::tr("Položka „%1“ musí být pole 4 celých čísel.").arg(field));
        const QJsonArray a = v.toArray();
        for (int b = 0; b < kBands; ++b)
            if (!count(a[b], target[b], QStringLiteral("%1[%2] (%3)").arg(field).arg(b).arg(Texts::tr(kBandNames[b]))))
                return false;
        return true;
    }
    bool matrix(const QJsonValue& v) {
        const QJsonArray bands = v.toArray();
        if (!v.isArray() || bands.size() != kBands)
            return fail(Texts::tr("Položka „matrix“ musí být pole 4 pásem po 7 celých číslech."));
        for (int b = 0; b < kBands; ++b) {
            const QJsonArray cells = bands[b].toArray();
            if (!bands[b].isArray() || cells.size() != kRows)
                return fail(Texts::tr("Položka „matrix[%1]“ (%2) musí být pole 7 celých čísel.").arg(b).arg(Texts::tr(kBandNames[b])));
            for (int r = 0; r < kRows; ++r) {
                const QString field =
                    QStringLiteral("matrix[%1][%2] (%3, %4)").arg(b).arg(r).arg(Texts::tr(kRowNames[r]), Texts::tr(kBandNames[b]));
                if (!count(cells[r], out_.profile.matrix[b][r], field)) return false;
            }
        }
        return true;
    }
    bool international(const QJsonValue& v) {
        const QJsonArray rows = v.toArray();
        if (!v.isArray() || rows.size() > kIntlRows)
            return fail(Texts::tr("Položka „international“ musí být pole nejvýše 4 řádků."));
        for (int r = 0; r < int(rows.size()); ++r) {
            const QString row = QStringLiteral("international[%1]").arg(r);
            if (!rows[r].isObject()) return fail(Texts::tr("Položka „%1“ musí být objekt.").arg(row));
            const QJsonObject o = rows[r].toObject();
            IntlRow& target = out_.profile.intl[r];
            for (auto it = o.begin(); it != o.end(); ++it) {
                const QString key = it.key();
                const QString field = row + QLatin1Char('.') + key;
                bool ok = false;
                if (key == QLatin1String("country")) {
                    const double d = it.value().toDouble(-1);
                    if (!it.value().isDouble() || !(d >= 0 && d < kCountries) || std::floor(d) != d)
                        return fail(Texts::tr("Položka „%1“ musí být číslo země od 0 do 35.").arg(field));
                    target.country = static_cast<std::int32_t>(d);
                    ok = true;
                } else if (key == QLatin1String("peak")) ok = count(it.value(), target.peak, field);
                else if (key == QLatin1String("afternoon")) ok = count(it.value(), target.afternoon, field);
                else if (key == QLatin1String("evening_weekend")) ok = count(it.value(), target.eveningWeekend, field);
                else
                    return unknown(field);
                if (!ok) return false;
            }
        }
        return true;
    }

    ProfileFile& out_;
};

QByteArray numbers(const std::int32_t* v, int n) {
    QByteArray s = "[";
    for (int i = 0; i < n; ++i) {
        if (i) s += ", ";
        s += QByteArray::number(std::max<std::int32_t>(v[i], 0));
    }
    return s + ']';
}

QByteArray jsonString(const QString& s) {
    // The library escapes quotes, backslashes and control characters.
    QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

}  // namespace

bool ProfileFile::samePricing(const ProfileFile& o) const {
    auto sameIntl = [](const IntlRow& a, const IntlRow& b) {
        return a.country == b.country && a.peak == b.peak && a.afternoon == b.afternoon &&
               a.eveningWeekend == b.eveningWeekend;
    };
    for (int r = 0; r < kIntlRows; ++r)
        if (!sameIntl(profile.intl[r], o.profile.intl[r])) return false;
    return profile.matrix == o.profile.matrix && profile.wap == o.profile.wap && profile.gprsWap == o.profile.gprsWap &&
           profile.gprsNet == o.profile.gprsNet && profile.internetCalls == o.profile.internetCalls &&
           directDebit == o.directDebit && fixedLine == o.fixedLine;
}

QByteArray profileFileText(const ProfileFile& f) {
    const Profile& p = f.profile;
    auto boolean = [](bool b) { return QByteArray(b ? "true" : "false"); };
    QByteArray s = "{\n";
    if (!f.name.isEmpty()) s += "  \"name\": " + jsonString(f.name) + ",\n";
    s += "  \"matrix\": [\n";
    for (int b = 0; b < kBands; ++b) s += "    " + numbers(p.matrix[b].data(), kRows) + (b + 1 < kBands ? ",\n" : "\n");
    s += "  ],\n";
    s += "  \"wap\": " + numbers(p.wap.data(), kBands) + ",\n";
    s += "  \"gprs_wap_kb\": " + QByteArray::number(std::max<std::int32_t>(p.gprsWap, 0)) + ",\n";
    s += "  \"gprs_internet_kb\": " + QByteArray::number(std::max<std::int32_t>(p.gprsNet, 0)) + ",\n";
    s += "  \"international\": [\n";
    for (int r = 0; r < kIntlRows; ++r) {
        const IntlRow& row = p.intl[r];
        s += "    {\"country\": " + QByteArray::number(std::clamp<std::int32_t>(row.country, 0, kCountries - 1)) +
             ", \"peak\": " + QByteArray::number(std::max<std::int32_t>(row.peak, 0)) +
             ", \"afternoon\": " + QByteArray::number(std::max<std::int32_t>(row.afternoon, 0)) +
             ", \"evening_weekend\": " + QByteArray::number(std::max<std::int32_t>(row.eveningWeekend, 0)) + "}" +
             (r + 1 < kIntlRows ? ",\n" : "\n");
    }
    s += "  ],\n";
    s += "  \"internet_calls\": " + boolean(p.internetCalls) + ",\n";
    s += "  \"direct_debit\": " + boolean(f.directDebit) + ",\n";
    s += "  \"fixed_line\": " + boolean(f.fixedLine) + "\n";
    s += "}\n";
    return s;
}

bool parseProfileFile(const QByteArray& text, ProfileFile& out, QString& error) {
    if (text.size() > kMaxProfileBytes) {
        error = Texts::tr("Soubor je na profil příliš velký (nejvýše %1 bajtů).").arg(kMaxProfileBytes);
        return false;
    }
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        const qsizetype at = std::clamp<qsizetype>(parse.offset, 0, text.size());
        const int line = 1 + int(text.left(at).count('\n'));
        error = Texts::tr("Soubor není platný JSON (řádek %1): %2.").arg(line).arg(parse.errorString());
        return false;
    }
    if (!doc.isObject()) {
        error = Texts::tr("Soubor neobsahuje profil: čeká se objekt JSON.");
        return false;
    }
    ProfileFile read;
    Reader reader(read);
    if (!reader.root(doc.object())) {
        error = reader.error;
        return false;
    }
    out = read;
    return true;
}

bool readProfileFile(const QString& path, ProfileFile& out, QString& error) {
    // Never blocks: a FIFO, a device or a huge file is refused, not waited for.
    const SmallFile f = readSmallFile(QFile::encodeName(path).toStdString(), std::size_t(kMaxProfileBytes));
    switch (f.status) {
        case SmallFileStatus::Ok: break;
        case SmallFileStatus::CannotOpen:
            error = Texts::tr("Soubor nelze otevřít: %1.").arg(qt_error_string(f.error));
            return false;
        case SmallFileStatus::NotRegular:
            error = Texts::tr("Soubor nelze otevřít: není to obyčejný soubor, ale složka, roura nebo zařízení.");
            return false;
        case SmallFileStatus::TooLarge:
            error = Texts::tr("Soubor je na profil příliš velký (nejvýše %1 bajtů).").arg(kMaxProfileBytes);
            return false;
        case SmallFileStatus::CannotRead:
            error = Texts::tr("Soubor nelze přečíst: %1.").arg(qt_error_string(f.error));
            return false;
    }
    return parseProfileFile(QByteArray::fromStdString(f.bytes), out, error);
}

bool writeProfileFile(const QString& path, const ProfileFile& p, QString& error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        error = Texts::tr("Soubor nelze vytvořit: %1.").arg(f.errorString());
        return false;
    }
    const QByteArray text = profileFileText(p);
    // flush() reports a short write that commit() alone would miss.
    if (f.write(text) != text.size() || !f.flush()) {
        error = Texts::tr("Soubor nelze zapsat: %1.").arg(f.errorString());
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        error = Texts::tr("Soubor nelze uložit: %1.").arg(f.errorString());
        return false;
    }
    return true;
}

}  // namespace sazbar::ui
