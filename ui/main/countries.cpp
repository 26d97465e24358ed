#include "ui/main/countries.h"

#include <QCoreApplication>

namespace sazbar::ui {

const std::array<const char*, kCountries> kCountryNameTexts = {
    QT_TRANSLATE_NOOP("Countries", "Slovensko"),
    QT_TRANSLATE_NOOP("Countries", "Německo"),
    QT_TRANSLATE_NOOP("Countries", "Polsko"),
    QT_TRANSLATE_NOOP("Countries", "Rakousko"),
    QT_TRANSLATE_NOOP("Countries", "Austrálie"),
    QT_TRANSLATE_NOOP("Countries", "Belgie"),
    QT_TRANSLATE_NOOP("Countries", "Bělorusko"),
    QT_TRANSLATE_NOOP("Countries", "Bosna-Hercegovina"),
    QT_TRANSLATE_NOOP("Countries", "Bulharsko"),
    QT_TRANSLATE_NOOP("Countries", "Dánsko"),
    QT_TRANSLATE_NOOP("Countries", "Estonsko"),
    QT_TRANSLATE_NOOP("Countries", "Finsko"),
    QT_TRANSLATE_NOOP("Countries", "Francie"),
    QT_TRANSLATE_NOOP("Countries", "Chorvatsko"),
    QT_TRANSLATE_NOOP("Countries", "Irsko"),
    QT_TRANSLATE_NOOP("Countries", "Itálie"),
    QT_TRANSLATE_NOOP("Countries", "Jugoslávie"),
    QT_TRANSLATE_NOOP("Countries", "Kanada"),
    QT_TRANSLATE_NOOP("Countries", "Lichtenštejnsko"),
    QT_TRANSLATE_NOOP("Countries", "Litva"),
    QT_TRANSLATE_NOOP("Countries", "Lotyšsko"),
    QT_TRANSLATE_NOOP("Countries", "Lucembursko"),
    QT_TRANSLATE_NOOP("Countries", "Maďarsko"),
    QT_TRANSLATE_NOOP("Countries", "Nizozemsko"),
    QT_TRANSLATE_NOOP("Countries", "Norsko"),
    QT_TRANSLATE_NOOP("Countries", "Portugalsko"),
    QT_TRANSLATE_NOOP("Countries", "Rumunsko"),
    QT_TRANSLATE_NOOP("Countries", "Rusko"),
    QT_TRANSLATE_NOOP("Countries", "Řecko"),
    QT_TRANSLATE_NOOP("Countries", "Slovinsko"),
    QT_TRANSLATE_NOOP("Countries", "Španělsko"),
    QT_TRANSLATE_NOOP("Countries", "Švédsko"),
    QT_TRANSLATE_NOOP("Countries", "Švýcarsko"),
    QT_TRANSLATE_NOOP("Countries", "Ukrajina"),
    QT_TRANSLATE_NOOP("Countries", "USA"),
    QT_TRANSLATE_NOOP("Countries", "Velká Británie"),
};

QString countryName(int index) {
    if (index < 0 || index >= kCountries) return {};
    return QCoreApplication::translate(kCountryContext, kCountryNameTexts[static_cast<std::size_t>(index)]);
}

}  // namespace sazbar::ui
