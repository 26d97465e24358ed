#include "ui/main/tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/saved_inputs.h"
#include "core/textnum.h"
#include "ui/import/importdialog.h"
#include "ui/main/countries.h"
#include "ui/results/tform3.h"

namespace {

// Box number of a destination network (0 fixed line .. 3 Oskar) in a band.
int networkBox(int network, int band) { return 7 * band + network + 1; }

bool isNetworkBox(int n) { return n >= 1 && n <= 28 && (n - 1) % 7 <= 3; }

QString toQString(const std::string& s) { return QString::fromStdString(s); }

// Where the recent profiles are kept.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sazbar"),
                                       QStringLiteral("Sazbar 2000"));
}
const QString kRecentKey = QStringLiteral("profiles/recent");

QString profileBaseName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(sazbar::ui::kProfileSuffix), Qt::CaseInsensitive))
        name.chop(qsizetype(qstrlen(sazbar::ui::kProfileSuffix)));
    return name;
}

QLabel* caption(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(align);
    return l;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sazbar 2000"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildDomesticPage(), tr("Vnitrostátní"));
    m_pages->addTab(buildInternationalPage(), tr("Mezinárodní"));

    m_autosave = new QCheckBox(tr("Uložit hodnoty"), this);
    m_autosave->setObjectName(QStringLiteral("autosave"));
    m_autosave->setChecked(true);
    m_autosave->setToolTip(tr("Uloží vyplněné hodnoty při ukončení programu"));

    auto* calc = new QPushButton(tr("&Výpočet"), this);
    calc->setObjectName(QStringLiteral("Button1"));
    calc->setDefault(true);
    m_calc = calc;
    auto* reset = new QPushButton(tr("N&ulování"), this);
    reset->setObjectName(QStringLiteral("Button4"));
    reset->setToolTip(tr("Vynuluje zadané hodnoty"));
    auto* import = new QPushButton(tr("I&mport…"), this);
    import->setObjectName(QStringLiteral("importButton"));
    import->setToolTip(tr("Vyplní políčka z výpisu hovorů nebo ze zálohy telefonu"));
    auto* help = new QPushButton(tr("&Nápověda"), this);
    help->setObjectName(QStringLiteral("Button2"));
    help->setToolTip(tr("Zobrazí nápovědu"));
    auto* info = new QPushButton(QStringLiteral("&Info"), this);
    info->setObjectName(QStringLiteral("Button5"));
    auto* quit = new QPushButton(tr("&Konec"), this);
    quit->setObjectName(QStringLiteral("Button3"));

    QPushButton* profiles = buildProfileButton();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_autosave);
    buttons->addStretch(1);
    for (QPushButton* b : {calc, reset, import, profiles, help, info, quit}) buttons->addWidget(b);

    // The pages scroll on a desktop too small for them; the buttons stay in view.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);  // no stop of its own between the buttons and the pages
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_pages);
    auto* top = new QVBoxLayout(this);
    top->addWidget(m_scroll, 1);
    top->addLayout(buttons);

    setTabOrder(m_autosave, calc);
    setTabOrder(calc, reset);
    setTabOrder(reset, help);
    setTabOrder(help, info);
    setTabOrder(info, quit);
    setTabOrder(reset, import);
    setTabOrder(import, profiles);

    connect(calc, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(quit, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(reset, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(m_pages->currentIndex() == 1); });
    connect(info, &QPushButton::clicked, this, &TForm1::infoRequested);
    connect(import, &QPushButton::clicked, this, &TForm1::importClicked);

    recalc();
    loadInputs();
    fitScreen();

    // Whatever changes the situation may change the title's mark.
    for (QLineEdit* e : m_boxes) connect(e, &QLineEdit::textChanged, this, &TForm1::profileChanged);
    for (QComboBox* c : m_countries) connect(c, &QComboBox::currentIndexChanged, this, &TForm1::profileChanged);
    connect(m_internet, &QCheckBox::toggled, this, &TForm1::profileChanged);
    setAcceptDrops(true);
    m_savedProfile = currentProfile();
    updateTitle();
}

QPushButton* TForm1::buildProfileButton() {
    auto* button = new QPushButton(tr("Pro&fil"), this);
    button->setObjectName(QStringLiteral("profileButton"));
    button->setToolTip(tr("Uloží nebo otevře celé zadání jako soubor profilu"));
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("profileMenu"));
    auto* open = new QAction(tr("&Otevřít profil…"), this);
    open->setObjectName(QStringLiteral("openProfile"));
    open->setShortcut(QKeySequence::Open);
    auto* save = new QAction(tr("&Uložit profil…"), this);
    save->setObjectName(QStringLiteral("saveProfile"));
    save->setShortcut(QKeySequence::Save);
    auto* saveAs = new QAction(tr("Uložit profil &jako…"), this);
    saveAs->setObjectName(QStringLiteral("saveProfileAs"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    for (QAction* a : {open, save, saveAs}) {
        // Added to the window too, so that the shortcuts work without the menu.
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        menu->addAction(a);
    }
    menu->addSeparator();
    m_recentMenu = menu->addMenu(tr("&Naposledy otevřené"));
    m_recentMenu->setObjectName(QStringLiteral("recentProfiles"));
    button->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, &TForm1::fillRecentMenu);
    connect(open, &QAction::triggered, this, &TForm1::openClicked);
    connect(save, &QAction::triggered, this, &TForm1::saveClicked);
    connect(saveAs, &QAction::triggered, this, &TForm1::saveAsClicked);
    fillRecentMenu();
    return button;
}

QStringList TForm1::recentProfiles() const { return settings()->value(kRecentKey).toStringList(); }

void TForm1::rememberProfile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list = recentProfiles();
    list.removeAll(full);
    list.prepend(full);
    while (list.size() > kRecentProfiles) list.removeLast();
    settings()->setValue(kRecentKey, list);
    fillRecentMenu();
}

void TForm1::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList list = recentProfiles();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openWithQuestion(path); });
    }
    m_recentMenu->setEnabled(!list.isEmpty());
}

sazbar::ui::ProfileFile TForm1::currentProfile() const {
    sazbar::ui::ProfileFile f;
    f.profile = profile();
    const sazbar::RunOptions o = m_results ? m_results->options() : m_options;
    f.directDebit = o.directDebit;
    f.fixedLine = o.fixedLine;
    f.name = m_profileName;
    return f;
}

bool TForm1::isProfileModified() const { return !currentProfile().samePricing(m_savedProfile); }

void TForm1::profileChanged() {
    if (!m_profilePath.isEmpty()) setWindowModified(isProfileModified());
}

void TForm1::updateTitle() {
    if (m_profilePath.isEmpty()) {
        setWindowModified(false);
        setWindowTitle(QStringLiteral("Sazbar 2000"));
        return;
    }
    setWindowTitle(tr("%1[*] – Sazbar 2000").arg(QFileInfo(m_profilePath).fileName()));
    setWindowModified(isProfileModified());
}

void TForm1::cleanFocusedBox() {
    if (auto* e = qobject_cast<QLineEdit*>(focusWidget()); e && e != m_total) validate(e);
}

void TForm1::setBoxes(const sazbar::Profile& p) {
    for (int n = 1; n <= sazbar::kBoxCount; ++n) {
        const sazbar::BoxSlot s = sazbar::boxSlot(n);
        std::int32_t v = 0;
        switch (s.kind) {
            case sazbar::BoxSlot::Matrix: v = p.matrix[s.band][s.row]; break;
            case sazbar::BoxSlot::Wap: v = p.wap[s.band]; break;
            case sazbar::BoxSlot::Intl: {
                const sazbar::IntlRow& r = p.intl[s.row];
                v = s.band == 0 ? r.peak : s.band == 1 ? r.afternoon : r.eveningWeekend;
                break;
            }
            case sazbar::BoxSlot::GprsWap: v = p.gprsWap; break;
            case sazbar::BoxSlot::GprsNet: v = p.gprsNet; break;
        }
        box(n)->setText(toQString(sazbar::intToText(v)));
    }
    for (int r = 0; r < sazbar::kIntlRows; ++r) m_countries[r]->setCurrentIndex(p.intl[r].country);
}

bool TForm1::openProfile(const QString& path) {
    sazbar::ui::ProfileFile f;
    QString error;
    if (!sazbar::ui::readProfileFile(path, f, error)) {
        QMessageBox::warning(this, tr("Otevřít profil"),
                             tr("Profil „%1“ nelze otevřít.\n\n%2\n\nZadání zůstává beze změny.")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    // The predefined profiles would overwrite the network boxes.
    m_predefined->setChecked(false);
    setBoxes(f.profile);
    m_internet->setChecked(f.profile.internetCalls);
    m_options = {f.directDebit, f.fixedLine};
    if (m_results) m_results->setOptions(m_options);
    m_profilePath = QFileInfo(path).absoluteFilePath();
    m_profileName = f.name.isEmpty() ? profileBaseName(path) : f.name;
    m_savedProfile = currentProfile();
    rememberProfile(path);
    updateTitle();
    return true;
}

bool TForm1::saveProfile(const QString& path) {
    cleanFocusedBox();
    const QString full = QFileInfo(path).absoluteFilePath();
    sazbar::ui::ProfileFile f = currentProfile();
    // A profile saved under a new name is named after its file.
    if (full != m_profilePath || f.name.isEmpty()) f.name = profileBaseName(path);
    QString error;
    if (!sazbar::ui::writeProfileFile(path, f, error)) {
        QMessageBox::warning(this, tr("Uložit profil"),
                             tr("Profil „%1“ nelze uložit.\n\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_profilePath = full;
    m_profileName = f.name;
    m_savedProfile = f;
    rememberProfile(path);
    updateTitle();
    return true;
}

bool TForm1::maybeSave() {
    cleanFocusedBox();
    if (!isProfileModified()) return true;
    const QString what = m_profilePath.isEmpty() ? tr("Zadané hodnoty se změnily.")
                                                 : tr("Profil „%1“ se změnil.").arg(QFileInfo(m_profilePath).fileName());
    const auto answer = QMessageBox::question(this, tr("Uložit změny?"), what + QLatin1Char('\n') + tr("Uložit změny?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Discard) return true;
    return saveClicked();
}

void TForm1::openWithQuestion(const QString& path) {
    if (!maybeSave()) return;
    openProfile(path);
}

void TForm1::openClicked() {
    if (!maybeSave()) return;
    const QString start = m_profilePath.isEmpty() ? QDir::homePath() : QFileInfo(m_profilePath).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Otevřít profil"), start,
                                                      tr("Profily Sazbaru (*.sazbar.json);;Soubory JSON (*.json);;Všechny soubory (*)"));
    if (!path.isEmpty()) openProfile(path);
}

bool TForm1::saveClicked() {
    if (m_profilePath.isEmpty()) return saveAsClicked();
    return saveProfile(m_profilePath);
}

bool TForm1::saveAsClicked() {
    const QString start = m_profilePath.isEmpty() ? QDir::home().filePath(tr("profil") + QLatin1String(sazbar::ui::kProfileSuffix))
                                                  : m_profilePath;
    QString path = QFileDialog::getSaveFileName(this, tr("Uložit profil"), start, tr("Profily Sazbaru (*.sazbar.json)"));
    if (path.isEmpty()) return false;
    if (!path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) path += QLatin1String(sazbar::ui::kProfileSuffix);
    return saveProfile(path);
}

QString TForm1::droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dragMoveEvent(QDragMoveEvent* e) {
    if (!droppedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QString path = droppedFile(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // Asked after the drop has ended: a modal question inside it would hold the source.
    QMetaObject::invokeMethod(this, [this, path] { openWithQuestion(path); }, Qt::QueuedConnection);
}

bool TForm1::smallDesktop() const {
    const QScreen* s = screen();
    return s && (s->size().width() < 800 || s->size().height() < 600);
}

// On a normal desktop the pages show whole; on a small one the window is no
// larger than the screen and the pages scroll.
void TForm1::fitScreen() {
    if (!smallDesktop()) {
        m_scroll->setMinimumSize(m_pages->sizeHint());
        return;
    }
    m_scroll->setMinimumSize(0, 0);
    const QSize room = screen()->availableGeometry().size() - QSize(kFrameAllowance, 3 * kFrameAllowance);
    const QSize want = sizeHint().expandedTo(m_pages->sizeHint() + QSize(24, 80));
    resize(want.boundedTo(room));
}

// What a screen reader says of box n: the row, the band and the unit, as the
// captions around it show them ("Pevná linka, Špička, minuty").
QString TForm1::boxName(int n) {
    const QString bands[] = {tr("Špička"), tr("Odpoledne"), tr("Večer"), tr("Víkend")};
    const sazbar::BoxSlot s = sazbar::boxSlot(n);
    switch (s.kind) {
        case sazbar::BoxSlot::Matrix: {
            if (s.row == sazbar::Messages) {
                const QString cells[] = {tr("SMS do T-Mobile"), tr("SMS do Eurotelu"), tr("SMS do Oskara"), tr("MMS")};
                return tr("%1, kusy").arg(cells[s.band]);
            }
            const QString rows[] = {tr("Pevná linka"), tr("T - Mobile"), tr("Eurotel"), tr("Oskar"), QString(),
                                    tr("Hlasová schránka"), tr("Datové přenosy")};
            return tr("%1, %2, minuty").arg(rows[s.row], bands[s.band]);
        }
        case sazbar::BoxSlot::Wap: return tr("WAP, %1, minuty").arg(bands[s.band]);
        case sazbar::BoxSlot::Intl: {
            const QString intl[] = {tr("Špička"), tr("Odpoledne"), tr("Večer a víkend")};
            return tr("Země %1, %2, minuty").arg(s.row + 1).arg(intl[s.band]);
        }
        case sazbar::BoxSlot::GprsWap: return tr("GPRS WAP, kB");
        case sazbar::BoxSlot::GprsNet: return tr("GPRS internet, kB");
    }
    return {};
}

QLineEdit* TForm1::makeBox(int n, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(QStringLiteral("Edit%1").arg(n));
    e->setAccessibleName(boxName(n));
    e->setMinimumWidth(56);
    e->setMaximumWidth(96);
    m_boxes[static_cast<std::size_t>(n - 1)] = e;
    if (sazbar::isDomesticBox(n)) connect(e, &QLineEdit::textChanged, this, &TForm1::recalc);
    // Every box is cleaned up when left, the international minutes too: a
    // negative count of minutes would price as a negative amount.
    e->installEventFilter(this);
    return e;
}

QWidget* TForm1::buildDomesticPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    const QStringList bands = {tr("Špička"), tr("Odpoledne"), tr("Večer"),
                               tr("Víkend")};
    for (int b = 0; b < 4; ++b) grid->addWidget(caption(bands[b], page, Qt::AlignCenter), 0, 1 + b);

    struct RowDef {
        QString label;
        QString unit;
        std::array<int, 4> boxes;
    };
    const RowDef rows[] = {
        {tr("Pevná linka"), tr("min"), {1, 8, 15, 22}},
        {QStringLiteral("T - Mobile"), tr("min"), {2, 9, 16, 23}},
        {QStringLiteral("Eurotel"), tr("min"), {3, 10, 17, 24}},
        {QStringLiteral("Oskar"), tr("min"), {4, 11, 18, 25}},
        {tr("SMS a MMS"), tr("ks"), {5, 12, 19, 26}},
        {tr("Hlasová schránka"), tr("min"), {6, 13, 20, 27}},
        {tr("Datové přenosy"), tr("min"), {7, 14, 21, 28}},
        {QStringLiteral("WAP"), tr("min"), {29, 30, 31, 32}},
    };
    int r = 1;
    for (const RowDef& def : rows) {
        if (def.boxes[0] == 5) {
            // The four cells of the messages row are four different counts.
            const QStringList cells = {tr("SMS do T-Mobile"), tr("SMS do Eurotelu"),
                                       tr("SMS do Oskara"), QStringLiteral("MMS")};
            for (int b = 0; b < 4; ++b) {
                QLabel* l = caption(cells[b], page, Qt::AlignHCenter | Qt::AlignBottom);
                QFont f = l->font();
                f.setPointSizeF(f.pointSizeF() * 0.85);
                l->setFont(f);
                grid->addWidget(l, r, 1 + b);
            }
            ++r;
        }
        grid->addWidget(caption(def.label, page), r, 0);
        for (int b = 0; b < 4; ++b) grid->addWidget(makeBox(def.boxes[b], page), r, 1 + b);
        grid->addWidget(caption(def.unit, page), r, 5);
        ++r;
    }

    auto* gprs = new QHBoxLayout;
    gprs->addWidget(caption(QStringLiteral("GPRS WAP"), page));
    gprs->addWidget(makeBox(45, page));
    gprs->addWidget(caption(QStringLiteral("kB"), page));
    gprs->addSpacing(16);
    gprs->addWidget(caption(tr("GPRS internet"), page));
    gprs->addWidget(makeBox(46, page));
    gprs->addWidget(caption(QStringLiteral("kB"), page));
    gprs->addStretch(1);

    m_total = new QLineEdit(page);
    m_total->setObjectName(QStringLiteral("celkmin"));
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAccessibleName(tr("Celkem za měsíc, minut"));
    m_total->setMinimumWidth(64);
    m_total->setMaximumWidth(96);
    auto* total = new QHBoxLayout;
    total->addWidget(caption(tr("Celkem za měsíc"), page));
    total->addWidget(m_total);
    total->addWidget(caption(tr("minut"), page));
    total->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addSpacing(6);
    left->addLayout(gprs);
    left->addSpacing(6);
    left->addLayout(total);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addSpacing(8);
    layout->addWidget(buildPredefinedPanel());

    // The tab order reads the grid row by row, then the GPRS boxes.
    QWidget* prev = nullptr;
    for (const RowDef& def : rows) {
        for (int n : def.boxes) {
            if (prev) setTabOrder(prev, box(n));
            prev = box(n);
        }
    }
    setTabOrder(prev, box(45));
    setTabOrder(box(45), box(46));
    setTabOrder(box(46), m_predefined);
    return page;
}

QWidget* TForm1::buildPredefinedPanel() {
    auto* panel = new QWidget;
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);

    m_predefined = new QCheckBox(tr("&Předdefinované profily"), panel);
    m_predefined->setObjectName(QStringLiteral("CheckBox1"));
    v->addWidget(m_predefined);

    auto* level = new QGroupBox(tr("Volám:"), panel);
    level->setObjectName(QStringLiteral("GroupBox1"));
    level->setToolTip(tr("Vyberte jak často voláte"));
    auto* lv = new QVBoxLayout(level);
    const QStringList levels = {tr("Málo"), tr("Středně"), tr("Hodně")};
    for (int i = 0; i < 3; ++i) {
        m_levels[i] = new QRadioButton(levels[i], level);
        m_levels[i]->setObjectName(QStringLiteral("malo%1").arg(i + 1));
        lv->addWidget(m_levels[i]);
        connect(m_levels[i], &QRadioButton::clicked, this, &TForm1::napln);
    }
    m_levels[0]->setChecked(true);

    auto* networks = new QGroupBox(tr("Převážně volám na:"), panel);
    networks->setObjectName(QStringLiteral("GroupBox2"));
    auto* nv = new QVBoxLayout(networks);
    const QStringList nets = {tr("Pevnou linku"), QStringLiteral("T - Mobile"), QStringLiteral("Eurotel"),
                              QStringLiteral("Oskar")};
    for (int i = 0; i < 4; ++i) {
        m_networks[i] = new QCheckBox(nets[i], networks);
        m_networks[i]->setObjectName(QStringLiteral("volam%1").arg(i + 1));
        nv->addWidget(m_networks[i]);
        connect(m_networks[i], &QCheckBox::clicked, this, &TForm1::napln);
    }

    auto* bands = new QGroupBox(tr("Převážně volám:"), panel);
    bands->setObjectName(QStringLiteral("GroupBox3"));
    auto* bv = new QVBoxLayout(bands);
    const QStringList when = {tr("Ve špičce"), tr("Odpoledne"), tr("Večer"),
                              tr("O víkendu")};
    for (int i = 0; i < 4; ++i) {
        m_bands[i] = new QCheckBox(when[i], bands);
        m_bands[i]->setObjectName(QStringLiteral("doba%1").arg(i + 1));
        bv->addWidget(m_bands[i]);
        connect(m_bands[i], &QCheckBox::clicked, this, &TForm1::napln);
    }

    m_profileGroups = {level, networks, bands};
    for (QGroupBox* g : m_profileGroups) {
        g->setEnabled(false);
        v->addWidget(g);
    }
    v->addStretch(1);

    connect(m_predefined, &QCheckBox::toggled, this, &TForm1::predefinedToggled);
    return panel;
}

QWidget* TForm1::buildInternationalPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(caption(tr("Země"), page), 0, 0);
    grid->addWidget(caption(tr("Špička"), page, Qt::AlignCenter), 0, 1);
    grid->addWidget(caption(tr("Odpoledne"), page, Qt::AlignCenter), 0, 2);
    grid->addWidget(caption(tr("Večer +\nvíkend"), page, Qt::AlignCenter), 0, 3);

    // Peak, afternoon, evening with weekend of each international row.
    const std::array<std::array<int, 3>, sazbar::kIntlRows> rows = {{
        {33, 41, 34},
        {35, 42, 36},
        {37, 43, 38},
        {39, 44, 40},
    }};
    QStringList names;
    for (int i = 0; i < sazbar::kCountries; ++i) names << sazbar::ui::countryName(i);
    QWidget* prev = nullptr;
    for (int r = 0; r < sazbar::kIntlRows; ++r) {
        auto* combo = new QComboBox(page);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(r + 1));
        combo->addItems(names);
        combo->setCurrentIndex(r);
        combo->setMaxVisibleItems(18);
        combo->setAccessibleName(tr("Země %1").arg(r + 1));
        m_countries[r] = combo;
        grid->addWidget(combo, r + 1, 0);
        if (prev) setTabOrder(prev, combo);
        prev = combo;
        for (int c = 0; c < 3; ++c) {
            QLineEdit* e = makeBox(rows[r][c], page);
            grid->addWidget(e, r + 1, 1 + c);
            setTabOrder(prev, e);
            prev = e;
        }
        grid->addWidget(caption(tr("min"), page), r + 1, 4);
    }

    m_internet = new QCheckBox(tr("Volání přes internet"), page);
    m_internet->setObjectName(QStringLiteral("internet"));
    m_internet->setToolTip(QStringLiteral("T=Mobile Internet Call, Eurotel NetCall 55"));
    setTabOrder(prev, m_internet);

    auto* v = new QVBoxLayout;
    v->addLayout(grid);
    v->addSpacing(8);
    v->addWidget(m_internet);
    v->addStretch(1);
    auto* h = new QHBoxLayout;
    h->addLayout(v);
    h->addStretch(1);
    auto* outer = new QVBoxLayout;
    outer->addLayout(h);
    page->setLayout(outer);
    return page;
}

sazbar::BoxTexts TForm1::boxTexts() const {
    sazbar::BoxTexts texts;
    for (int n = 1; n <= sazbar::kBoxCount; ++n) texts[static_cast<std::size_t>(n - 1)] = box(n)->text().toStdString();
    return texts;
}

sazbar::Profile TForm1::profile() const {
    std::array<int, sazbar::kIntlRows> countries{};
    for (int r = 0; r < sazbar::kIntlRows; ++r) countries[r] = m_countries[r]->currentIndex();
    return sazbar::profileFromBoxes(boxTexts(), countries, m_internet->isChecked());
}

void TForm1::setResultsWindow(Tform3* results) {
    m_results = results;
    m_resultsFilter = results;
    if (results) {
        results->installEventFilter(this);
        results->setOptions(m_options);
        connect(results, &Tform3::optionsChanged, this, &TForm1::profileChanged);
    }
}

std::int64_t TForm1::callMinutes() const {
    std::int64_t total = 0;
    for (int n = 1; n <= sazbar::kBoxCount; ++n)
        if (sazbar::isCallMinutesBox(n)) total += sazbar::textToInt(box(n)->text().toStdString());
    return total;
}

void TForm1::recalc() { m_total->setText(toQString(sazbar::intToText(callMinutes()))); }

void TForm1::validate(QLineEdit* edit) {
    // Nothing, a negative number or text without digits becomes "0"; the rest
    // is rewritten as plain decimal (leading zeros and trailing letters go).
    const std::int32_t value = sazbar::textToInt(edit->text().toStdString());
    const QString clean = value <= 0 ? QStringLiteral("0") : toQString(sazbar::intToText(value));
    if (clean != edit->text()) edit->setText(clean);
}

void TForm1::naplnpole() {
    if (smallDesktop()) {
        if (m_results) m_results->setSizeable(true);
        move(x(), screen()->geometry().top());
    }
    m_base = sazbar::ui::kBaseMinutes;
}

void TForm1::napln() {
    int level = sazbar::ui::kLevelFew;
    if (m_levels[1]->isChecked()) level = sazbar::ui::kLevelMedium;
    if (m_levels[2]->isChecked()) level = sazbar::ui::kLevelMany;
    std::array<bool, 4> networks{};
    std::array<bool, 4> bands{};
    for (int i = 0; i < 4; ++i) {
        networks[i] = m_networks[i]->isChecked();
        bands[i] = m_bands[i]->isChecked();
    }
    const auto minutes = sazbar::ui::predefinedMinutes(m_base, level, networks, bands);
    for (int n = 0; n < 4; ++n)
        for (int b = 0; b < 4; ++b) box(networkBox(n, b))->setText(toQString(sazbar::intToText(minutes[n][b])));
}

void TForm1::predefinedToggled(bool on) {
    for (int n = 1; n <= 28; ++n)
        if (isNetworkBox(n)) box(n)->setEnabled(!on);
    for (QGroupBox* g : m_profileGroups) g->setEnabled(on);
    if (on) napln();
}

void TForm1::Button1Click() {
    // Enter and Alt+V leave the focus where it is: clean that box up first,
    // as leaving it would, so the run never reads an entry the user has not
    // seen cleaned.
    cleanFocusedBox();
    // Summed wide, so that huge boxes cannot wrap around below the limit.
    if (callMinutes() < kMinutesLimit) emit resultsRequested();
}

void TForm1::Button4Click() {
    const bool keepNetworks = m_predefined->isChecked();
    for (int n = 1; n <= sazbar::kBoxCount; ++n) {
        if (keepNetworks && isNetworkBox(n)) continue;
        box(n)->setText(QStringLiteral("0"));
    }
}

void TForm1::importClicked() {
    // The imported month replaces every box and the four countries; the
    // predefined profiles would overwrite the network boxes, so they go off.
    sazbar::Profile p;
    if (!ImportDialog::ask(this, p)) return;
    m_predefined->setChecked(false);
    setBoxes(p);
}

bool TForm1::mayQuit() {
    // Only a changed profile file is asked about: the boxes themselves go
    // into sazbar.dat as ever.
    return m_profilePath.isEmpty() || maybeSave();
}

void TForm1::Button3Click() {
    if (!mayQuit()) return;
    if (m_autosave->isChecked())
        saveInputs();
    else
        QFile::remove(QString::fromLatin1(kSavedInputsFile));
    m_exiting = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* e) {
    // Closing by the title bar always saves; "Konec" has already done its part.
    if (!m_exiting) {
        if (!mayQuit()) {
            e->ignore();
            return;
        }
        saveInputs();
    }
    m_exiting = true;
    e->accept();
    if (!m_quitSent) {
        m_quitSent = true;
        emit quitRequested();
    }
}

void TForm1::loadInputs() {
    sazbar::BoxTexts read;
    if (!sazbar::loadSavedInputs(kSavedInputsFile, read)) return;
    const sazbar::BoxTexts texts = sazbar::withoutNegativeCounts(read);
    for (int n = 1; n <= sazbar::kBoxCount; ++n) box(n)->setText(toQString(texts[static_cast<std::size_t>(n - 1)]));
}

void TForm1::saveInputs() const {
    // Written next to the old file and renamed over it: a failed write keeps
    // the previous inputs whole.
    QSaveFile f(QString::fromLatin1(kSavedInputsFile));
    if (!f.open(QIODevice::WriteOnly)) return;
    const std::string bytes = sazbar::savedInputsContent(boxTexts());
    // The explicit flush matters: when the buffered bytes reach the disk only
    // in part (disk full, file size limit), Qt 6.4's commit() still renames
    // the short file over the old one; flush() does report the failure.
    if (f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !f.flush()) {
        f.cancelWriting();
        return;
    }
    f.commit();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) naplnpole();
    return QWidget::event(e);
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    focusFirstBox();
}

void TForm1::focusFirstBox() {
    // The first box that takes input on the page shown: Edit1, or the first
    // box left enabled by the predefined profiles, or Edit33 abroad.
    QWidget* page = m_pages->currentWidget();
    for (QLineEdit* e : m_boxes) {
        if (e->isEnabled() && page->isAncestorOf(e)) {
            e->setFocus(Qt::OtherFocusReason);
            e->selectAll();
            return;
        }
    }
}

void TForm1::resultsClosed() {
    if (!isVisible()) return;
    activateWindow();
    focusFirstBox();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    // Compared as a plain object: the results window may be in its destructor.
    if (watched == m_resultsFilter) {
        // Back from the results, typing goes into the first box again.
        if (e->type() == QEvent::Hide) QMetaObject::invokeMethod(this, &TForm1::resultsClosed, Qt::QueuedConnection);
        return QWidget::eventFilter(watched, e);
    }
    // A file dropped on a box opens as a profile, as on the rest of the window.
    if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove || e->type() == QEvent::Drop) {
        auto* de = static_cast<QDropEvent*>(e);
        if (!droppedFile(de->mimeData()).isEmpty()) {
            if (e->type() == QEvent::Drop)
                dropEvent(de);
            else
                de->acceptProposedAction();
            return true;
        }
    }
    if (e->type() == QEvent::FocusOut) {
        auto* fe = static_cast<QFocusEvent*>(e);
        if (fe->reason() != Qt::PopupFocusReason) validate(static_cast<QLineEdit*>(watched));
    }
    return QWidget::eventFilter(watched, e);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // "Výpočet" is the default button; a focused button takes Enter itself.
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()); b && b->isEnabled())
            b->click();
        else
            m_calc->click();
        return;
    }
    QWidget::keyPressEvent(e);
}
