#include "ui/print/tform4.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "ui/chart/tgraf.h"
#include "ui/whatif/tcokdyby.h"

namespace {

using sazbar::print::kCaptures;

// Besides every button, the check boxes that set the program up rather than
// describe the month stay out of the pictures.
const QStringList kMainControls{QStringLiteral("autosave")};
const QStringList kResultsControls{QStringLiteral("CheckBox1")};
const QStringList kChartControls{QStringLiteral("CheckBox1")};

// A window's palette as it was before the capture changed it.
struct SavedPalette {
    QPointer<QWidget> window;
    bool own = false;
    QPalette palette;
};

void setBackground(QWidget* w, const QColor& colour, std::vector<SavedPalette>& saved) {
    if (!w) return;
    saved.push_back({w, w->testAttribute(Qt::WA_SetPalette), w->palette()});
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

void restoreBackgrounds(std::vector<SavedPalette>& saved) {
    for (SavedPalette& s : saved) {
        if (!s.window) continue;
        // A window that inherited its palette goes back to inheriting it.
        s.window->setPalette(s.own ? s.palette : QPalette());
    }
    saved.clear();
}

// A control taken out of the picture; it keeps its place in any layout so
// that nothing else moves.
struct HiddenControl {
    QPointer<QWidget> control;
    bool retained;
};

// A button of the window's own, not one that a line edit, spin box, combo box
// or tab bar makes for itself.
bool ownButton(const QAbstractButton* b) {
    if (qobject_cast<const QPushButton*>(b)) return true;
    const QWidget* parent = b->parentWidget();
    return qobject_cast<const QToolButton*>(b) && !qobject_cast<const QLineEdit*>(parent) &&
           !qobject_cast<const QAbstractSpinBox*>(parent) && !qobject_cast<const QComboBox*>(parent) &&
           !qobject_cast<const QTabBar*>(parent);
}

// Buttons are what the user does, not what a window shows: all of them leave
// the picture, those of features added later too, with the named controls.
void hideControls(QWidget* w, const QStringList& names, std::vector<HiddenControl>& hidden) {
    if (!w) return;
    std::vector<QWidget*> controls;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (ownButton(b) || names.contains(b->objectName())) controls.push_back(b);
    for (QWidget* c : controls) {
        if (c->isHidden()) continue;
        QSizePolicy sp = c->sizePolicy();
        hidden.push_back({c, sp.retainSizeWhenHidden()});
        sp.setRetainSizeWhenHidden(true);
        c->setSizePolicy(sp);
        c->hide();
    }
}

void showControls(std::vector<HiddenControl>& hidden) {
    for (HiddenControl& h : hidden) {
        if (!h.control) continue;
        h.control->show();
        QSizePolicy sp = h.control->sizePolicy();
        sp.setRetainSizeWhenHidden(h.retained);
        h.control->setSizePolicy(sp);
    }
    hidden.clear();
}

// A window's keyboard focus and the selections of its line edits, set aside
// for the capture: the picture shows no focus frame and no selected text.
// Hiding a focused button would otherwise hand the focus on, and a line edit
// that gets it by tabbing selects all its text.
struct SetAside {
    struct Selection {
        QPointer<QLineEdit> edit;
        int start;
        int length;
    };
    QPointer<QWidget> focus;
    std::vector<Selection> selections;
};

SetAside setFocusAside(QWidget* w) {
    SetAside a;
    if (!w) return a;
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        if (e->hasSelectedText()) a.selections.push_back({e, e->selectionStart(), e->selectionLength()});
    a.focus = w->focusWidget();
    if (a.focus) a.focus->clearFocus();
    for (const SetAside::Selection& s : a.selections) s.edit->deselect();
    return a;
}

void restoreFocus(SetAside& a) {
    if (a.focus && a.focus->isVisibleTo(a.focus->window()) && a.focus->isEnabled())
        a.focus->setFocus(Qt::OtherFocusReason);
    for (const SetAside::Selection& s : a.selections)
        if (s.edit) s.edit->setSelection(s.start, s.length);
    a = SetAside();
}

// Gets a window ready to be painted while hidden: polished, and a window never
// shown or resized at the size showing would give it, its layout done.
void prepareHidden(QWidget* w) {
    if (!w || w->isVisible()) return;
    w->ensurePolished();
    if (!w->testAttribute(Qt::WA_Resized)) w->adjustSize();
    if (QLayout* l = w->layout()) l->activate();
}

// The client area of a window, also while it is hidden.
QImage grabClientArea(QWidget* w) {
    if (!w) return QImage();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The results window's own tariffs scroll in a list of their own (its
// widget "dataScroll", in the window's "content"); on paper there is nothing
// to scroll, so the picture shows every row: the list is made as tall as
// its rows for the picture, the window grows by as much below it, and the
// window is as it was afterwards. A name too long for its row keeps its
// start and its end ("Operátor s dl…rodinný tarif"): on paper there is no
// tooltip with the whole name.
QImage grabResults(QWidget* w) {
    auto* list = w ? w->findChild<QScrollArea*>(QStringLiteral("dataScroll")) : nullptr;
    QWidget* content = w ? w->findChild<QWidget*>(QStringLiteral("content")) : nullptr;
    QWidget* rows = list ? list->widget() : nullptr;
    QWidget* group = list ? list->parentWidget() : nullptr;
    if (!rows || !content || !group || !content->layout() || !list->isVisibleTo(w)) return grabClientArea(w);
    const int hidden = std::max(rows->height(), rows->minimumSizeHint().height()) - list->viewport()->height();
    // The names as shown, given back afterwards.
    struct Name {
        QPointer<QLabel> label;
        QString text;
    };
    std::vector<Name> names;
    for (QLabel* l : rows->findChildren<QLabel*>())
        if (!l->toolTip().isEmpty()) names.push_back({l, l->text()});
    const QSize size = content->size();
    const int minimum = group->minimumHeight();
    const Qt::ScrollBarPolicy policy = list->verticalScrollBarPolicy();
    const int scrolled = list->verticalScrollBar()->value();
    // The window's own scroll area (on a small desktop) keeps its hands off
    // the content meanwhile.
    QWidget* viewport = content->parentWidget();
    auto* outer = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
    const bool resizable = outer && outer->widgetResizable();
    if (hidden > 0) {
        if (outer) outer->setWidgetResizable(false);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->verticalScrollBar()->setValue(0);
        group->setMinimumHeight(group->height() + hidden);
        content->resize(size.width(), size.height() + hidden);
        content->layout()->activate();
    }
    for (const Name& n : names) {
        QLabel* l = n.label;
        if (l) l->setText(l->fontMetrics().elidedText(l->toolTip(), Qt::ElideMiddle, l->width()));
    }
    const QImage picture = grabClientArea(hidden > 0 ? content : w);
    if (hidden > 0) {
        group->setMinimumHeight(minimum);
        list->setVerticalScrollBarPolicy(policy);
        content->layout()->activate();
        content->resize(size);
        if (outer) outer->setWidgetResizable(resizable);
        list->verticalScrollBar()->setValue(scrolled);
    }
    for (const Name& n : names)
        if (n.label) n.label->setText(n.text);
    return picture;
}

// The page with one more picture under the others, centred like them.
QImage appendPicture(const QImage& page, const QImage& picture) {
    const int width = std::max(page.width(), picture.width() + 80);
    QImage out(width, page.height() + picture.height() + 40, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage((width - page.width()) / 2, 0, page);
    p.drawImage(width / 2 - picture.width() / 2, page.height(), picture);
    return out;
}

// A preview image `height` high, as wide as the capture's proportions give.
QRect previewOf(QSize capture, int top, int height) {
    const int width =
        capture.height() > 0 ? static_cast<int>(static_cast<long long>(capture.width()) * height / capture.height()) : 0;
    return QRect(sazbar::print::kPreviewCentre - width / 2, top, width, height);
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Tisk"));
    // Esc closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(514, 530);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(16, 16, 354, 500);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    for (int n = 0; n < kCaptures; ++n) {
        auto* img = new QLabel(Panel1);
        img->setObjectName(QStringLiteral("Image%1").arg(n + 1));
        img->setScaledContents(true);
        img->setGeometry(sazbar::print::previewRect(QSize(), 16 + 160 * n));
        m_images[static_cast<std::size_t>(n)] = img;
    }

    auto box = [this](const char* name, const QString& text, int top, bool checked) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(QString::fromLatin1(name));
        QFont f = b->font();
        f.setPointSize(8);
        f.setStretch(QFont::SemiCondensed);
        b->setFont(f);
        b->setGeometry(378, top, 134, 20);
        b->setChecked(checked);
        return b;
    };
    CheckBox1 = box("CheckBox1", tr("Tisk vstupních hodnot"), 24, true);
    CheckBox2 = box("CheckBox2", tr("Tisk výsledků"), 48, true);
    CheckBox3 = box("CheckBox3", tr("Tisk grafu"), 72, true);
    CheckBox4 = box("CheckBox4", tr("Bílé pozadí"), 112, false);
    CheckBox5 = box("CheckBox5", tr("Co kdyby"), 92, false);
    m_whatIfImage = new QLabel(Panel1);
    m_whatIfImage->setObjectName(QStringLiteral("Image5"));
    m_whatIfImage->setScaledContents(true);
    m_whatIfImage->hide();

    auto button = [this](const char* name, const QString& text, int top) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(392, top, 105, 27);
        return b;
    };
    Button1 = button("Button1", tr("Tisk"), 409);
    Button2 = button("Button2", tr("Nastavení"), 447);
    Button3 = button("Button3", tr("Zavřít"), 489);
    Button1->setDefault(true);

    for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3, CheckBox5})
        connect(b, &QCheckBox::toggled, this, [this] { compose(); });
    connect(CheckBox4, &QCheckBox::toggled, this, [this] {
        updatepic();
        compose();
    });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);

    compose();
}

TForm4::~TForm4() = default;

void TForm4::setWindows(QWidget* main, QWidget* results, Tgraf* chart) {
    m_main = main;
    m_results = results;
    m_chart = chart;
}

void TForm4::setWhatIfWindow(Tcokdyby* whatIf) { m_whatIf = whatIf; }

void TForm4::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        updatepic();
        compose();
    }
    QWidget::showEvent(e);
}

void TForm4::updatepic() {
    const QColor background = CheckBox4->isChecked() ? QColor(Qt::white) : QColor();
    std::vector<SavedPalette> saved;
    QWidget* const whatIf = m_whatIf.data();
    if (background.isValid())
        for (QWidget* w : {m_main.data(), m_results.data(), static_cast<QWidget*>(m_chart.data()), whatIf})
            setBackground(w, background, saved);

    for (QWidget* w : {m_main.data(), m_results.data(), static_cast<QWidget*>(m_chart.data()), whatIf}) prepareHidden(w);
    // The chart is built straight away rather than flashed on the screen.
    if (m_chart) m_chart->vytvor_data();
    if (m_whatIf) m_whatIf->recalc();

    std::vector<SetAside> focus;
    for (QWidget* w : {m_main.data(), m_results.data(), static_cast<QWidget*>(m_chart.data()), whatIf})
        focus.push_back(setFocusAside(w));

    std::vector<HiddenControl> hidden;
    hideControls(m_main, kMainControls, hidden);
    hideControls(m_results, kResultsControls, hidden);
    hideControls(m_chart, kChartControls, hidden);
    hideControls(whatIf, {}, hidden);

    m_captures[sazbar::print::Input] = grabClientArea(m_main);
    m_captures[sazbar::print::Results] = grabResults(m_results);
    m_captures[sazbar::print::Chart] = grabClientArea(m_chart);
    m_whatIfCapture = grabClientArea(whatIf);

    showControls(hidden);
    for (SetAside& a : focus) restoreFocus(a);
    restoreBackgrounds(saved);

    for (int n = 0; n < kCaptures; ++n) {
        const QImage& c = m_captures[static_cast<std::size_t>(n)];
        QLabel* img = m_images[static_cast<std::size_t>(n)];
        img->setPixmap(QPixmap::fromImage(c));
        img->setGeometry(sazbar::print::previewRect(c.size(), img->y()));
    }
    m_whatIfImage->setPixmap(QPixmap::fromImage(m_whatIfCapture));
}

void TForm4::compose() {
    const std::array<bool, kCaptures> chosen{CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked()};
    std::array<QSize, kCaptures> sizes;
    for (int n = 0; n < kCaptures; ++n) sizes[static_cast<std::size_t>(n)] = m_captures[static_cast<std::size_t>(n)].size();
    m_layout = sazbar::print::composePage(sizes, chosen);
    for (int n = 0; n < kCaptures; ++n) {
        QLabel* img = m_images[static_cast<std::size_t>(n)];
        img->setVisible(chosen[static_cast<std::size_t>(n)]);
        img->setGeometry(sazbar::print::previewRect(m_captures[static_cast<std::size_t>(n)].size(),
                                                     m_layout.previewTop[static_cast<std::size_t>(n)]));
    }
    m_page = sazbar::print::paintPage(m_layout, m_captures);

    // "Co kdyby" goes under the others; four pictures share the panel in
    // smaller rows.
    const bool whatIf = CheckBox5->isChecked() && !m_whatIfCapture.isNull();
    m_whatIfImage->setVisible(whatIf);
    if (!whatIf) return;
    m_page = appendPicture(m_page, m_whatIfCapture);
    const int above = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    const int height = above == kCaptures ? 112 : sazbar::print::kPreviewHeight;
    int row = 0;
    for (int n = 0; n < kCaptures; ++n) {
        if (!chosen[static_cast<std::size_t>(n)]) continue;
        m_images[static_cast<std::size_t>(n)]->setGeometry(
            previewOf(m_captures[static_cast<std::size_t>(n)].size(), 16 + (height + 10) * row++, height));
    }
    m_whatIfImage->setGeometry(previewOf(m_whatIfCapture.size(), 16 + (height + 10) * row, height));
}

bool TForm4::printOn(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect target = sazbar::print::printTarget(m_page.size(), QSize(printer.width(), printer.height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_page);
    return painter.end();
}

bool TForm4::hasPrinter() const {
    if (m_printer.outputFormat() == QPrinter::PdfFormat) return !m_printer.outputFileName().isEmpty();
    return !m_printer.printerName().isEmpty() && !QPrinterInfo::printerInfo(m_printer.printerName()).isNull();
}

QString TForm4::noPrinterText() {
    return tr(
        "Není nainstalována žádná tiskárna. V okně „Nastavení“ můžete jako tiskárnu zvolit tisk do souboru PDF.");
}

QString TForm4::printFailedText() {
    return tr("Tisk se nepodařilo spustit. Zkontrolujte tiskárnu v okně „Nastavení“.");
}

void TForm4::tell(const QString& text) {
    if (m_teller) {
        m_teller(text);
        return;
    }
    QMessageBox::warning(this, tr("Tisk"), text);
}

void TForm4::Button1Click() {
    // The job goes straight to the printer chosen in "Nastavení" (at first the
    // system's default printer).
    if (!hasPrinter()) {
        tell(noPrinterText());
        return;
    }
    if (!printOn(m_printer)) tell(printFailedText());
}

void TForm4::Button2Click() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(tr("Nastavení tisku"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    // The dialog only chooses the printer and its set-up; "Tisk" prints.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    // Until a file is chosen, a PDF goes into the working directory.
    if (m_printer.outputFileName().isEmpty())
        if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
            file->setText(QDir::current().absoluteFilePath(tr("tisk.pdf")));
    dialog.exec();
}
