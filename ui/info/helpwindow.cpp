#include "ui/info/helpwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace sazbar {

namespace {
constexpr int kTextWidth = 460;
}

HelpWindow::HelpWindow(const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(caption);
    // Esc closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    m_text = new QVBoxLayout;
    m_text->setSpacing(2);

    m_close = new QPushButton(tr("Zavřít"), this);
    m_close->setObjectName(QStringLiteral("Button1"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(m_text);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void HelpWindow::addSection(const QString& heading, const QString& text) {
    if (!heading.isEmpty()) {
        if (m_text->count() > 0) m_text->addSpacing(8);
        auto* title = new QLabel(this);
        title->setTextFormat(Qt::PlainText);
        title->setText(heading);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_text->addWidget(title);
    } else if (m_text->count() > 0) {
        m_text->addSpacing(4);
    }
    auto* body = new QLabel(this);
    body->setTextFormat(Qt::PlainText);
    body->setText(text);
    body->setWordWrap(true);
    body->setFixedWidth(kTextWidth);
    m_text->addWidget(body);
}

void HelpWindow::finish() {
    layout()->activate();
    setFixedSize(sizeHint());
}

}  // namespace sazbar

Thelp::Thelp(QWidget* parent) : HelpWindow(tr("Nápověda"), parent) {
    addSection(tr("Zadání minut"),
               tr("Na stránce „Vnitrostátní“ zadejte, kolik minut měsíčně provoláte. Každý řádek tabulky patří jedné "
                  "síti (Pevná linka, T - Mobile, Eurotel, Oskar), každý sloupec jednomu časovému pásmu (Špička, "
                  "Odpoledne, Večer, Víkend). Do políčka napište počet minut, které za měsíc provoláte do dané sítě "
                  "v daném pásmu."));
    addSection(QString(),
               tr("Příklad: Voláte-li ve špičce asi 30 minut do sítě Eurotel a o víkendu 10 minut na pevnou "
                  "linku, napište 30 do řádku Eurotel ve sloupci Špička a 10 do řádku Pevná linka ve sloupci "
                  "Víkend. Ostatní políčka nechte na nule."));
    addSection(QString(), tr("Stejným způsobem zadejte počet SMS a MMS, minuty v hlasové schránce, datové "
                             "přenosy, minuty WAP a objem dat GPRS v kB."));
    addSection(tr("Celkový počet minut"),
               tr("Program provolané minuty sám sčítá a celkový součet ukazuje pod tabulkou. Součet "
                  "se změní pokaždé, když upravíte některé políčko, nic tedy nemusíte počítat."));
    addSection(tr("Předdefinované profily"),
               tr("Pokud nevíte, kolik přesně provoláte, zaškrtněte „Předdefinované profily“. Pak jen vyberte, jak "
                  "často voláte, do kterých sítí a v kterou denní dobu nejčastěji, a program minuty do jednotlivých "
                  "sítí a pásem doplní sám. Profily nevyplňují SMS, hlasovou schránku, datové přenosy ani WAP – ty "
                  "zadejte ručně."));
    addSection(tr("Nulování"), tr("Tlačítko „Nulování“ nastaví všechna zadaná čísla na 0. Jsou-li zaškrtnuté "
                                  "předdefinované profily, minuty do sítí zůstanou podle profilu."));
    addSection(tr("Jazyk"),
               tr("Program se spouští česky, je-li systém nastaven na češtinu, jinak anglicky. Jazyk zvolíte "
                  "při spuštění: „sazbar --lang cs“ pro češtinu, „sazbar --lang en“ pro angličtinu."));
    finish();
}

Tzahr_help::Tzahr_help(QWidget* parent) : HelpWindow(tr("Nápověda - volání do zahraničí"), parent) {
    addSection(tr("Volání do zahraničí"),
               tr("Hovory do zahraničí zadáte na stránce „Mezinárodní“. Zadat můžete až čtyři země. V každém řádku "
                  "nejprve vyberte ze seznamu zemi a potom napište, kolik minut do ní měsíčně provoláte ve špičce, "
                  "odpoledne a večer nebo o víkendu (večer a víkend se zadávají dohromady)."));
    addSection(QString(), tr("Příklad: Voláte-li do Německa 20 minut ve špičce a 40 minut o víkendu, vyberte v prvním "
                             "řádku zemi Německo, do sloupce Špička napište 20 a do sloupce Večer + víkend 40."));
    addSection(tr("Volání přes internet"),
               tr("Zaškrtnete-li „Volání přes internet“, spočítají se hovory do zahraničí u tarifů T-Mobile a Eurotel "
                  "podle nižších sazeb volání přes internet (T-Mobile Internet Call, Eurotel NetCall 55). Na tarify "
                  "Oskar a na pevnou linku tato volba vliv nemá."));
    finish();
}

TForm2::TForm2(QWidget* parent) : HelpWindow(tr("Nápověda"), parent) {
    addSection(tr("Ceny tarifů"),
               tr("Každé políčko ukazuje, kolik byste měsíčně zaplatili u jednoho tarifu, v celých korunách. "
                  "Ceny se počítají z hodnot, které jste zadali v hlavním okně. Když podržíte myš nad "
                  "políčkem, zobrazí se podrobnosti, například s jakým datovým balíčkem nebo doplňkem cena "
                  "počítá."));
    addSection(tr("Nejlevnější tarif"), tr("Nejnižší cena je napsaná červeně. Vyjde-li stejně levně více tarifů, jsou "
                                           "červeně všechny."));
    addSection(tr("Nepodporované služby"),
               tr("Tarif, u kterého nelze využívat některou ze zadaných služeb (datové přenosy, WAP, MMS nebo GPRS), "
                  "má políčko podbarvené a v podrobnostech je uvedeno, kterou službu nepodporuje. Jeho cenu proto "
                  "nelze s ostatními přímo srovnávat."));
    addSection(tr("Rozpis ceny"),
               tr("Dvojklikem na políčko s cenou, nebo klávesou Enter, když je políčko vybrané, otevřete "
                  "„Rozpis ceny“: z jakých položek se cena skládá, jaké volby výpočet udělal a v čem se liší "
                  "od jiného tarifu, který vyberete v „Porovnat s“. Rozpis nabízí i nabídka pravého tlačítka "
                  "myši."));
    addSection(tr("Další volby"), tr("„Platba inkasem“ počítá s cenami při placení inkasem. „Vypočítat Český Telecom“ "
                                     "přidá pro srovnání cenu pevné linky Telefon Standard."));
    finish();
}

Tgraph_help::Tgraph_help(QWidget* parent) : HelpWindow(tr("Nápověda - graf"), parent) {
    addSection(tr("Zvětšení části grafu:"),
               tr("Najeďte myší do levého horního rohu části, kterou chcete zvětšit, stiskněte levé "
                  "tlačítko a táhněte doprava dolů. Po uvolnění tlačítka se označená část zvětší."));
    addSection(tr("Vrácení grafu do původního měřítka:"),
               tr("Stiskněte v grafu levé tlačítko myši a táhněte opačným směrem, tedy doleva "
                  "nahoru."));
    addSection(tr("Hodnoty v grafu"), tr("Zaškrtnete-li „Hodnoty v grafu“, zobrazí se nad každým sloupcem jeho cena. "
                                         "Ve zvětšeném grafu se hodnoty nezobrazují."));
    finish();
}
