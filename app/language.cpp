#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace sazbar {

std::optional<Language> parseLanguage(std::string_view code) {
    if (code == "cs") return Language::Czech;
    if (code == "en") return Language::English;
    return std::nullopt;
}

Language systemLanguage() {
    return QLocale::system().language() == QLocale::Czech ? Language::Czech : Language::English;
}

Translations::Translations(Language language) : m_language(language) {
    const bool english = language == Language::English;
    // Czech is the language of the sources: only English needs the program's
    // translation. Qt's own texts are English in the sources.
    if (english && m_program.load(QStringLiteral(":/i18n/sazbar_en.qm")))
        QCoreApplication::installTranslator(&m_program);
    const QString qt = english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_cs");
    if (m_qt.load(qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

}  // namespace sazbar
