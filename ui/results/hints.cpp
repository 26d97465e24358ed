#include "ui/results/hints.h"

#include <QStringList>
#include <utility>

namespace sazbar::ui {

namespace {

using Pair = std::pair<const char16_t*, const char16_t*>;

// Every line the pricing engine writes into a hint, Czech to English. The
// names of packages, add-ons and connections are the operators' own.
constexpr Pair kLines[] = {
    // T-Mobile: the GPRS package and the weekend add-on.
    {u"GPRS Basic", u"GPRS Basic"},
    {u"GPRS WAP", u"GPRS WAP"},
    {u"GPRS Email&PDA", u"GPRS Email&PDA"},
    {u"GPRS Internet+", u"GPRS Internet+"},
    {u"Příplatek Víkend+", u"Víkend+ add-on"},
    // Eurotel: the data options and Top SMS.
    {u"Eurotel WAP MMS", u"Eurotel WAP MMS"},
    {u"+ příplatek Data", u"+ Data add-on"},
    {u"+ příplatek Data Plus", u"+ Data Plus add-on"},
    {u"+ příplatek DATA Nonstop", u"+ DATA Nonstop add-on"},
    {u"+ příplatek DATA Nonstop II", u"+ DATA Nonstop II add-on"},
    {u"+ příplatek Top SMS", u"+ Top SMS add-on"},
    // Eurotel Individual.
    {u"Optimální konfigurace tarifu Individual je tato:", u"The best configuration of the Individual tariff:"},
    {u"Příplatek Data NONSTOP", u"Data NONSTOP add-on"},
    // Oskar: the add-ons and the data connection.
    {u"+ příplatek Moje volné minuty", u"+ Moje volné minuty add-on (free minutes)"},
    {u"+ příplatek Moje SMS", u"+ Moje SMS add-on"},
    {u"+ příplatek Moje MMS", u"+ Moje MMS add-on"},
    {u"+ příplatek Můj WAP", u"+ Můj WAP add-on"},
    {u"Připojení Naskok", u"Naskok connection"},
    {u"Připojení Nadlouho", u"Nadlouho connection"},
    // The unsupported-service marks.
    {u"nepodporuje datové přenosy", u"does not support data transfers"},
    {u"nepodporuje WAP", u"does not support WAP"},
    {u"nepodporuje MMS", u"does not support MMS"},
    {u"nepodporuje GPRS", u"does not support GPRS"},
};

// Lines of a label and a count (Eurotel Individual's configuration).
constexpr Pair kPrefixes[] = {
    {u"počet volných minut na volání: ", u"free call minutes: "},
    {u"počet volných SMS: ", u"free SMS: "},
    {u"počet volných MMS: ", u"free MMS: "},
    {u"počet volných kB na WAP (GPRS): ", u"free kB for WAP (GPRS): "},
    {u"počet volných minut na internet (CSD): ", u"free minutes for the internet (CSD): "},
    {u"počet volných kB na internet (GPRS): ", u"free kB for the internet (GPRS): "},
};

bool isNumber(QStringView s) {
    if (s.startsWith(u'-')) s = s.mid(1);
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isDigit()) return false;
    return true;
}

}  // namespace

QString englishHintLine(QStringView line) {
    for (const auto& [cs, en] : kLines)
        if (line == QStringView(cs)) return QString::fromUtf16(en);
    for (const auto& [cs, en] : kPrefixes) {
        const QStringView prefix(cs);
        if (line.startsWith(prefix) && isNumber(line.mid(prefix.size())))
            return QString::fromUtf16(en) + line.mid(prefix.size()).toString();
    }
    bool letters = false;
    for (QChar c : line) letters = letters || c.isLetter();
    return letters ? QString() : line.toString();
}

QString englishHint(const QString& hint) {
    static const QString kBreak = QStringLiteral("\n\r");
    QStringList lines = hint.split(kBreak);
    for (QString& line : lines) {
        const QString en = englishHintLine(line);
        if (!en.isNull()) line = en;
    }
    return lines.join(kBreak);
}

}  // namespace sazbar::ui
