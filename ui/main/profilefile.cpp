#include "ui/main/profilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/profile_json.h"

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

// The band and row names that follow an entry's path, "wap[1] (Odpoledne)".
QString fieldName(const ProfileError& e) {
    const QString field = QString::fromStdString(e.field);
    if (e.band < 0 || e.band >= kBands) return field;
    const QString band = Texts::tr(kBandNames[e.band]);
    if (e.row >= 0 && e.row < kRows) return field + QStringLiteral(" (%1, %2)").arg(Texts::tr(kRowNames[e.row]), band);
    return field + QStringLiteral(" (%1)").arg(band);
}

// What is wrong with a text that is not JSON, in the user's words.
QString syntaxProblem(ProfileFault fault) {
    switch (fault) {
        case ProfileFault::Empty: return Texts::tr("soubor je prázdný");
        case ProfileFault::NulByte: return Texts::tr("soubor obsahuje nulový bajt, nejde o text");
        case ProfileFault::EndInNumber: return Texts::tr("soubor končí uprostřed čísla");
        case ProfileFault::EndInString: return Texts::tr("soubor končí uprostřed textu v uvozovkách");
        case ProfileFault::EndEarly: return Texts::tr("soubor končí dřív, než se uzavřou všechny závorky");
        case ProfileFault::BadNumber: return Texts::tr("chybně zapsané číslo");
        case ProfileFault::BadString:
            return Texts::tr("text v uvozovkách obsahuje řídicí znak nebo chybné zpětné lomítko");
        case ProfileFault::BadUtf8: return Texts::tr("znak, který není v kódování UTF-8");
        case ProfileFault::Misplaced: return Texts::tr("chybí nebo přebývá čárka, dvojtečka nebo závorka");
        case ProfileFault::TextAfterEnd: return Texts::tr("za koncem profilu následuje další text");
        default: return Texts::tr("znak, který do JSON nepatří");
    }
}

// The reader's fault in the window's words; the entry named as the user sees it.
QString errorText(const ProfileError& e) {
    if (e.fault == ProfileFault::TooLarge)
        return Texts::tr("Soubor je na profil příliš velký (nejvýše %1 bajtů).").arg(kMaxProfileBytes);
    if (isSyntaxFault(e.fault))
        return Texts::tr("Soubor není platný JSON (řádek %1, sloupec %2): %3.")
            .arg(e.line)
            .arg(e.column)
            .arg(syntaxProblem(e.fault));
    const QString field = fieldName(e);
    switch (e.fault) {
        case ProfileFault::NotAnObject: return Texts::tr("Soubor neobsahuje profil: čeká se objekt JSON.");
        case ProfileFault::UnknownKey: return Texts::tr("Neznámá položka „%1“.").arg(field);
        case ProfileFault::DuplicateKey: return Texts::tr("Položka „%1“ je v souboru dvakrát.").arg(field);
        case ProfileFault::NotAnInteger:
        case ProfileFault::Negative:
        case ProfileFault::OutOfRange:
            return Texts::tr("Položka „%1“ musí být celé číslo od 0 do 2147483647.").arg(field);
        case ProfileFault::NotABoolean: return Texts::tr("Položka „%1“ musí být true nebo false.").arg(field);
        case ProfileFault::NotAText: return Texts::tr("Položka „name“ musí být text.");
        case ProfileFault::BadCountry: return Texts::tr("Položka „%1“ musí být číslo země od 0 do 35.").arg(field);
        default: break;
    }
    // The entry is not the array or object it should be, or holds a wrong count.
    if (e.field == "matrix") return Texts::tr("Položka „matrix“ musí být pole 4 pásem po 7 celých číslech.");
    if (e.field == "international") return Texts::tr("Položka „international“ musí být pole nejvýše 4 řádků.");
    if (e.field == "wap") return Texts::tr("Položka „%1“ musí být pole 4 celých čísel.").arg(field);
    if (e.band >= 0)
        return Texts::tr("Položka „matrix[%1]“ (%2) musí být pole 7 celých čísel.")
            .arg(e.band)
            .arg(Texts::tr(kBandNames[e.band]));
    return Texts::tr("Položka „%1“ musí být objekt.").arg(field);
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
    std::string text;
    appendProfileJson(text, {f.profile, f.directDebit, f.fixedLine, f.name.toStdString()}, ProfileLayout::File);
    return QByteArray::fromStdString(text);
}

bool parseProfileFile(const QByteArray& text, ProfileFile& out, QString& error) {
    if (text.size() > kMaxProfileBytes) {
        error = Texts::tr("Soubor je na profil příliš velký (nejvýše %1 bajtů).").arg(kMaxProfileBytes);
        return false;
    }
    ProfileDocument doc;
    ProfileError e;
    if (!readProfile(std::string_view(text.constData(), std::size_t(text.size())), doc, e)) {
        error = errorText(e);
        return false;
    }
    out.profile = doc.profile;
    out.directDebit = doc.directDebit;
    out.fixedLine = doc.fixedLine;
    out.name = QString::fromStdString(doc.name);
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
