#include "ui/catalogues/problem_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>

namespace sazbar::ui {

namespace {

struct Form {
    const char* pattern;  // the reader's wording, its variable parts captured
    const char* text;     // the window's, %1, %2, ... the captures
};

// The more particular forms first: the first that matches the whole message wins.
constexpr std::array kForms{
    Form{R"re(expected an amount as a string, such as "7\.14".*)re",
         QT_TRANSLATE_NOOP("Problems", "očekává se částka zapsaná jako text, například „7.14“")},
    Form{R"re("(.*)" has more than 4 decimals)re", QT_TRANSLATE_NOOP("Problems", "„%1“ má víc než 4 desetinná místa")},
    Form{R"re("(.*)" is above the largest amount, .*)re",
         QT_TRANSLATE_NOOP("Problems", "„%1“ je víc než největší částka 999999999,9999")},
    Form{R"re("(.*)" is negative; .*)re", QT_TRANSLATE_NOOP("Problems", "„%1“ je záporná částka; částka je 0 nebo víc")},
    Form{R"re("(.*)" is not an amount as a string.*)re",
         QT_TRANSLATE_NOOP("Problems", "„%1“ není částka: číslice a nejvýš 4 desetinná místa, například 7,14")},
    Form{R"re(expected a whole number from (-?\d+) to (\d+), found (.*))re",
         QT_TRANSLATE_NOOP("Problems", "očekává se celé číslo od %1 do %2, zadáno %3")},
    Form{R"re(empty; expected a text)re", QT_TRANSLATE_NOOP("Problems", "je prázdné; vyplňte text")},
    Form{R"re(longer than (\d+) characters)re", QT_TRANSLATE_NOOP("Problems", "je delší než %1 znaků")},
    Form{R"re(holds a control character.*)re", QT_TRANSLATE_NOOP("Problems", "obsahuje řídicí znak; očekává se text na jednom řádku")},
    Form{R"re("(.*)" is not an id: .*)re",
         QT_TRANSLATE_NOOP("Problems", "„%1“ není identifikátor: 1 až 64 písmen a–z, A–Z bez diakritiky, číslic a znaků "
                                       "„_“, „-“, „.“; nezačíná „-“ ani „.“")},
    Form{R"re("(.*)" is not a date "YYYY-MM-DD".*)re", QT_TRANSLATE_NOOP("Problems", "„%1“ není datum RRRR-MM-DD z kalendáře")},
    Form{R"re("(.*)" is the id of a compiled tariff.*)re",
         QT_TRANSLATE_NOOP("Problems", "„%1“ je identifikátor vestavěného tarifu; zvolte jiný")},
    Form{R"re((\d{4}-\d\d-\d\d) is before valid_from (\d{4}-\d\d-\d\d))re",
         QT_TRANSLATE_NOOP("Problems", "%1 je před začátkem platnosti %2")},
    Form{R"re("(.*)" is not known; did you mean "(.*)"\?)re", QT_TRANSLATE_NOOP("Problems", "„%1“ neznám; nemyslíte „%2“?")},
    Form{R"re("(.*)" is not known; expected one of (.*))re", QT_TRANSLATE_NOOP("Problems", "„%1“ neznám; očekává se jedno z %2")},
    Form{R"re(unknown key "(.*)"; did you mean "(.*)"\?)re", QT_TRANSLATE_NOOP("Problems", "neznámý klíč „%1“; nemyslíte „%2“?")},
    Form{R"re(unknown key "(.*)"; expected one of (.*))re", QT_TRANSLATE_NOOP("Problems", "neznámý klíč „%1“; očekává se jeden z %2")},
    Form{R"re(missing; rates by zone or country need the zone scheme.*)re",
         QT_TRANSLATE_NOOP("Problems", "chybí rozdělení zemí do pásem, ke kterému sazby podle pásem a zemí patří")},
    Form{R"re(missing; expected the zone scheme.*)re", QT_TRANSLATE_NOOP("Problems", "chybí rozdělení zemí do pásem")},
    Form{R"re(missing; expected .*)re", QT_TRANSLATE_NOOP("Problems", "povinný údaj chybí")},
    Form{R"re(empty; expected at least one service)re", QT_TRANSLATE_NOOP("Problems", "nepokrývá nic; zvolte aspoň jednu službu")},
    Form{R"re(empty; expected at least one tariff)re", QT_TRANSLATE_NOOP("Problems", "neobsahuje žádný tarif")},
    Form{R"re(empty; expected at least one of .*)re", QT_TRANSLATE_NOOP("Problems", "nezvoleno žádné časové pásmo")},
    Form{R"re(expected (\d) amounts \((.*)\), found (\d+))re", QT_TRANSLATE_NOOP("Problems", "očekává se %1 částek (%2), zadáno %3")},
    Form{R"re(lists "(.*)" twice)re", QT_TRANSLATE_NOOP("Problems", "uvádí „%1“ dvakrát")},
    Form{R"re(no country is in zone (\d) of "(.*)"; .*)re",
         QT_TRANSLATE_NOOP("Problems", "v pásmu %1 rozdělení „%2“ není žádná země; sazba se nepoužije")},
    Form{R"re(0 includes nothing)re", QT_TRANSLATE_NOOP("Problems", "0 nezahrnuje nic")},
    Form{R"re(the services covered have no time bands.*)re",
         QT_TRANSLATE_NOOP("Problems", "pokryté služby nemají časová pásma; pásma platí jen pro volání, data a WAP")},
    Form{R"re(an allowance of (\w+) cannot cover "(.*)", which is counted in (\w+))re",
         QT_TRANSLATE_NOOP("Problems", "tato jednotka (%1) nemůže pokrýt „%2“, která se počítá v jednotce %3")},
    Form{R"re(covers what allowance "(.*)" \((.*)\) covers.*)re",
         QT_TRANSLATE_NOOP("Problems", "pokrývá totéž co „%1“ (%2), aniž by s ním tvořilo jeden celek")},
    Form{R"re(duplicate (.*) id "(.*)"; also at (.*))re",
         QT_TRANSLATE_NOOP("Problems", "identifikátor „%2“ se opakuje; je také v %3")},
    Form{R"re(tariff "(.*)" revision (\d+) is given twice; also at (.*))re",
         QT_TRANSLATE_NOOP("Problems", "tarif „%1“ v revizi %2 je uveden dvakrát; také v %3")},
    Form{R"re(revision (\d+) of "(.*)" and revision (\d+) \((.*)\) are both valid on (.*); .*)re",
         QT_TRANSLATE_NOOP("Problems", "revize %1 tarifu „%2“ a revize %3 (%4) platí obě v den %5; revize jednoho tarifu "
                                       "se nesmějí překrývat")},
    Form{R"re(names neither a URL nor a document.*)re",
         QT_TRANSLATE_NOOP("Problems", "neuvádí adresu ani dokument; uveďte, kde lze ceny ověřit")},
    Form{R"re(no source; .*)re", QT_TRANSLATE_NOOP("Problems", "chybí zdroj; uveďte, odkud ceny jsou")},
    Form{R"re(expected a colour "#rrggbb")re", QT_TRANSLATE_NOOP("Problems", "očekává se barva ve tvaru #rrggbb")},
    Form{R"re("(.*)" is not a format this program reads.*)re",
         QT_TRANSLATE_NOOP("Problems", "„%1“ není formát, který program čte; očekává se „sazbar-tariffs/1“")},
    Form{R"re(key "(.*)" given twice in one object.*)re", QT_TRANSLATE_NOOP("Problems", "klíč „%1“ je v jednom objektu dvakrát")},
    Form{R"re(nested deeper than (\d+) levels)re", QT_TRANSLATE_NOOP("Problems", "vnoření je hlubší než %1 úrovní")},
    Form{R"re((?:larger than|\d+ bytes;).*16 MiB.*)re", QT_TRANSLATE_NOOP("Problems", "soubor je větší než 16 MiB")},
    Form{R"re(cannot open: (.*))re", QT_TRANSLATE_NOOP("Problems", "soubor nelze otevřít: %1")},
    Form{R"re(cannot read.*)re", QT_TRANSLATE_NOOP("Problems", "soubor nelze přečíst")},
    Form{R"re(expected (.*), found (\w+))re", QT_TRANSLATE_NOOP("Problems", "nesprávný druh hodnoty (%2); očekává se %1")},
};

}  // namespace

QString problemReason(const catalogue::Problem& p) {
    const QString message = QString::fromStdString(p.message);
    for (const Form& f : kForms) {
        static thread_local std::array<QRegularExpression, kForms.size()> compiled;
        QRegularExpression& re = compiled[std::size_t(&f - kForms.data())];
        if (re.pattern().isEmpty()) re.setPattern(QRegularExpression::anchoredPattern(QString::fromUtf8(f.pattern)));
        const QRegularExpressionMatch m = re.match(message);
        if (!m.hasMatch()) continue;
        // %1 to %9 in one pass: a quoted part that holds "%2" stays as it is.
        const QString form = QCoreApplication::translate("Problems", f.text);
        QString text;
        for (qsizetype i = 0; i < form.size(); ++i) {
            const int n = i + 1 < form.size() && form[i] == QLatin1Char('%') ? form[i + 1].digitValue() : -1;
            if (n >= 1 && n <= m.lastCapturedIndex()) {
                text += m.captured(n);
                ++i;
            } else {
                text += form[i];
            }
        }
        return text;
    }
    return message;
}

QString problemLine(const catalogue::Problem& p) {
    QString where = QString::fromStdString(p.path);
    if (p.line > 0)
        where = QCoreApplication::translate("Problems", "řádek %1, sloupec %2").arg(p.line).arg(p.column);
    QString line = where.isEmpty() ? problemReason(p) : where + QStringLiteral(": ") + problemReason(p);
    if (p.severity == catalogue::Severity::Warning)
        line = QCoreApplication::translate("Problems", "Varování: %1").arg(line);
    return line;
}

}  // namespace sazbar::ui
