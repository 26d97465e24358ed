#include "ui/breakdown/labels.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace sazbar::ui {

namespace {

constexpr char kLabelContext[] = "BreakdownLabel";

// Every label key the pricing code writes, for the translation.
constexpr const char* kLabels[] = {
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS Basic"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS Email&PDA"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS Internet+"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS WAP (%1 kB)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS internet"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček GPRS internet (%1 kB)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček MMS (%1 MMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček SMS (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček data (CSD)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček data (CSD) (%1 min)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček volných minut (%1 min)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Balíček volných minut (poplatek a placené volání)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Bez datového příplatku (Eurotel WAP MMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "DATA Nonstop"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "DATA Nonstop II"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "DATA Nonstop II (%1 volných minut navíc): volání a data"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data (CSD)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data (CSD) nad %1 volných minut"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data (CSD), Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data (CSD), Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data, Odpoledne, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Data, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Datové balíčky, nebo Příplatek Data NONSTOP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Datový příplatek"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS Basic"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS Email&PDA"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS Internet+"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS WAP nad %1 kB"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS internet"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS internet nad %1 kB"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "GPRS internet nad 20000 kB"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Hlasová schránka"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "MMS nad %1 MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "MMS nad %1 v příplatku Moje MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "MMS nad 3 volné"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Měsíční poplatek"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Připojení GPRS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Připojení Nadlouho"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Připojení Naskok"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek DATA Nonstop"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek DATA Nonstop II"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Data"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Data NONSTOP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Data Plus"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje MMS (%1 MMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje SMS (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje volné minuty"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Moje volné minuty (20 minut navíc): volání"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Můj WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Můj WAP (%1 min)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Top SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Top SMS (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Víkend+"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Příplatek Víkend+ (nabízí se od %1 víkendových minut do sítě T-Mobile)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS 41. až 800. (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS 801. až 8000. (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do ostatních sítí"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítí T-Mobile a Eurotel"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítě Eurotel"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítě Oskar"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítě Oskar při útratě pod 700 Kč"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítě T-Mobile"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS do sítě T-Mobile nad 30 volných"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS nad %1 (Top SMS a volné SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS nad %1 SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS nad %1 v Moje SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS nad %1 volných"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS nad 20 volných (platba inkasem)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS od 8001. (%1 SMS)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "SMS, prvních 40"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volné minuty (%1 z %2)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volné minuty do mobilních sítí (%1 z %2)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volné minuty na pevnou linku (%1 z %2)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volné minuty s Moje volné minuty (%1 z %2)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Eurotel"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Eurotel, mimo špičku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Eurotel, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar nad %1 minut"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar nad %1 volných minut"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar při útratě pod 700 Kč"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar, dalších %1 minut"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar, mimo špičku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar, prvních %1 minut"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě Oskar, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile, Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile, Večer"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile, Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile, mimo špičku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do sítě T-Mobile, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna %1"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna %1, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna %1, mimo špičku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna %1, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna %1, Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna 1, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna 1, Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna 2, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání do zahraničí, zóna 2, Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Odpoledne, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Večer"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, mimo špičku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Špička"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání na pevnou linku, Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání přes internet (NetCall), zóna %1"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání přes internet, zóna %1"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání přes internet, zóna 7"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání přes internet, zóna 8"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání, Večer a Víkend"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Volání, Špička a Odpoledne"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Víkend+: volání do sítě T-Mobile o víkendu za 0,60 Kč"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "WAP nad %1 v příplatku Můj WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "Základní měsíční poplatek"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "balíček %1 MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "balíček %1 SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "balíček %1 kB"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "balíček %1 min"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "bez balíčku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "bez příplatku"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "data (CSD)"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "data (CSD) nad %1 min"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "nejlevnější datové balíčky"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Moje MMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Moje SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Moje volné minuty"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Můj WAP"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Top SMS"),
    QT_TRANSLATE_NOOP("BreakdownLabel", "s příplatkem Víkend+"),
};

}  // namespace

QString itemKindName(ItemKind k) {
    switch (k) {
        case ItemKind::Call: return QCoreApplication::translate("BreakdownKind", "Volání");
        case ItemKind::Message: return QCoreApplication::translate("BreakdownKind", "Zprávy");
        case ItemKind::Data: return QCoreApplication::translate("BreakdownKind", "Data");
        case ItemKind::International: return QCoreApplication::translate("BreakdownKind", "Zahraničí");
        case ItemKind::Fee: return QCoreApplication::translate("BreakdownKind", "Poplatky");
        case ItemKind::Package: return QCoreApplication::translate("BreakdownKind", "Balíčky");
        case ItemKind::Discount: return QCoreApplication::translate("BreakdownKind", "Slevy a volné jednotky");
        case ItemKind::Minimum: return QCoreApplication::translate("BreakdownKind", "Minimální plnění");
        case ItemKind::Surcharge: return QCoreApplication::translate("BreakdownKind", "Příplatky");
    }
    return {};
}

QString breakdownLabel(const LabelKey& key) {
    QString text = QCoreApplication::translate(kLabelContext, key.pattern.c_str());
    for (int i = 0; i < key.count && i < LabelKey::kNumbers; ++i)
        text = text.arg(key.numbers[static_cast<std::size_t>(i)]);
    return text;
}

bool knownLabel(std::string_view pattern) {
    return std::any_of(std::begin(kLabels), std::end(kLabels), [pattern](const char* l) { return pattern == l; });
}

QString unsupportedLine(QStringView hintLine) {
    static constexpr const char* kLines[] = {
        QT_TRANSLATE_NOOP("BreakdownHint", "nepodporuje datové přenosy"),
        QT_TRANSLATE_NOOP("BreakdownHint", "nepodporuje WAP"),
        QT_TRANSLATE_NOOP("BreakdownHint", "nepodporuje MMS"),
        QT_TRANSLATE_NOOP("BreakdownHint", "nepodporuje GPRS"),
    };
    for (const char* line : kLines)
        if (hintLine == QString::fromUtf8(line)) return QCoreApplication::translate("BreakdownHint", line);
    return {};
}

}  // namespace sazbar::ui
