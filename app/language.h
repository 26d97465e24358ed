// The interface language: Czech (the texts in the sources) or English (the
// translation embedded from translations/sazbar_en.ts).
#pragma once

#include <QTranslator>
#include <optional>
#include <string_view>

namespace sazbar {

enum class Language { Czech, English };

// "cs" or "en", as given to --lang; nothing for any other text.
std::optional<Language> parseLanguage(std::string_view code);

// Czech when the system locale is Czech, English otherwise.
Language systemLanguage();

// The program's own texts and those of Qt's dialogs (buttons of the message
// boxes, the print and file dialogs) in one language; installed into the
// application while the object lives.
class Translations {
public:
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    Language language() const { return m_language; }

private:
    Language m_language;
    QTranslator m_program;
    QTranslator m_qt;
};

}  // namespace sazbar
