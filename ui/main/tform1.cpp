#include "ui/main/tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/saved_inputs.h"
#include "core/textnum.h"
#include "ui/import/importdialog.h"
#include "ui/main/predefinedpanel.h"
#include "ui/results/tform3.h"

namespace {

// The sixteen boxes of calls to a network, which the predefined profiles fill.
bool isNetworkBox(int n) {
    const sazbar::BoxSlot s = sazbar::boxSlot(n);
    return s.kind == sazbar::BoxSlot::Matrix && s.row <= sazbar::Oskar;
}

QString toQString(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sazbar 2000"));

    m_grid = new BoxGrid(this);
    m_predefined = new PredefinedPanel;
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(m_grid->domesticPage(m_predefined), tr("Vnitrostátní"));
    m_pages->addTab(m_grid->internationalPage(), tr("Mezinárodní"));
    setTabOrder(box(sazbar::boxNumber({sazbar::BoxSlot::GprsNet})), m_predefined->checkBox());
    for (int n = 1; n <= sazbar::kBoxCount; ++n) {
        if (sazbar::isDomesticBox(n)) connect(box(n), &QLineEdit::textChanged, this, &TForm1::recalc);
        // Every box is cleaned up when left, the international minutes too: a
        // negative count of minutes would price as a negative amount.
        box(n)->installEventFilter(this);
    }
    connect(m_predefined, &PredefinedPanel::selectorClicked, this, &TForm1::napln);
    connect(m_predefined, &PredefinedPanel::toggled, this, &TForm1::predefinedToggled);

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

    m_document = new ProfileDocument({this, [this] { return situation(); },
                                      [this](const sazbar::ui::ProfileFile& f) { showSituation(f); },
                                      [this] { cleanFocusedBox(); }});
    QPushButton* profiles = m_document->makeButton();
    // "Ceníky…" has no button of its own (the row is full): it is the last
    // item of the "Profil" menu, with the other files the program reads, and
    // Ctrl+T opens it from anywhere in the window.
    auto* catalogues = new QAction(tr("&Ceníky…"), this);
    catalogues->setObjectName(QStringLiteral("cataloguesAction"));
    catalogues->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    catalogues->setShortcutContext(Qt::WindowShortcut);
    addAction(catalogues);
    profiles->menu()->addSeparator();
    profiles->menu()->addAction(catalogues);
    connect(catalogues, &QAction::triggered, this, &TForm1::cataloguesRequested);

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

    // Whatever changes the situation may change the title's mark; a file
    // dropped on the window or on a box opens as a profile.
    for (QLineEdit* e : m_grid->boxes()) {
        connect(e, &QLineEdit::textChanged, m_document, &ProfileDocument::changed);
        m_document->acceptDrops(e);
    }
    for (QComboBox* c : m_grid->countries())
        connect(c, &QComboBox::currentIndexChanged, m_document, &ProfileDocument::changed);
    connect(m_grid->internet(), &QCheckBox::toggled, m_document, &ProfileDocument::changed);
    m_document->acceptDrops(this);
    m_document->markSaved();
}

sazbar::ui::ProfileFile TForm1::situation() const {
    sazbar::ui::ProfileFile f;
    f.profile = profile();
    const sazbar::RunOptions o = m_results ? m_results->options() : m_options;
    f.directDebit = o.directDebit;
    f.fixedLine = o.fixedLine;
    return f;
}

void TForm1::showSituation(const sazbar::ui::ProfileFile& f) {
    // The predefined profiles would overwrite the network boxes.
    m_predefined->checkBox()->setChecked(false);
    m_grid->setProfile(f.profile);
    m_grid->internet()->setChecked(f.profile.internetCalls);
    m_options = {f.directDebit, f.fixedLine};
    if (m_results) m_results->setOptions(m_options);
}

void TForm1::cleanFocusedBox() {
    if (auto* e = qobject_cast<QLineEdit*>(focusWidget()); e && e != m_grid->total()) validate(e);
}

void TForm1::setResultsWindow(Tform3* results) {
    m_results = results;
    m_resultsFilter = results;
    if (results) {
        results->installEventFilter(this);
        results->setOptions(m_options);
        connect(results, &Tform3::optionsChanged, m_document, &ProfileDocument::changed);
    }
}

std::int64_t TForm1::callMinutes() const {
    std::int64_t total = 0;
    for (int n = 1; n <= sazbar::kBoxCount; ++n)
        if (sazbar::isCallMinutesBox(n)) total += sazbar::textToInt(box(n)->text().toStdString());
    return total;
}

void TForm1::recalc() { m_grid->total()->setText(toQString(sazbar::intToText(callMinutes()))); }

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
    const auto minutes = sazbar::ui::predefinedMinutes(m_base, m_predefined->level(), m_predefined->networks(),
                                                       m_predefined->bands());
    for (int network = 0; network < 4; ++network)
        for (int band = 0; band < sazbar::kBands; ++band)
            box(sazbar::boxNumber({sazbar::BoxSlot::Matrix, band, network}))
                ->setText(toQString(sazbar::intToText(minutes[network][band])));
}

void TForm1::predefinedToggled(bool on) {
    for (int n = 1; n <= sazbar::kBoxCount; ++n)
        if (isNetworkBox(n)) box(n)->setEnabled(!on);
    m_predefined->setSelectorsEnabled(on);
    if (on) napln();
}

void TForm1::Button1Click() {
    // Enter and Alt+V leave the focus where it is: clean that box up first,
    // as leaving it would, so the run never reads an entry the user has not
    // seen cleaned.
    cleanFocusedBox();
    // Summed wide, so that huge boxes cannot wrap around below the limit.
    if (callMinutes() < sazbar::kMonthMinutes) emit resultsRequested();
}

void TForm1::Button4Click() {
    const bool keepNetworks = m_predefined->isOn();
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
    m_predefined->checkBox()->setChecked(false);
    m_grid->setProfile(p);
}

void TForm1::Button3Click() {
    // Only a changed profile file is asked about: the boxes themselves go
    // into sazbar.dat as ever.
    if (!m_document->mayClose()) return;
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
        if (!m_document->mayClose()) {
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
    for (QLineEdit* e : m_grid->boxes()) {
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
