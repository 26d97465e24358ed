#include "ui/catalogues/catalogue_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "catalogue/reader.h"
#include "ui/catalogues/catalogue_store.h"
#include "ui/catalogues/problem_text.h"
#include "ui/catalogues/tariff_editor.h"

namespace sazbar::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kTariffRole = Qt::UserRole + 1;  // index into the file's tariffs, -1 for the file's row

QString q(const std::string& s) { return QString::fromStdString(s); }

QString validity(const catalogue::DataTariff& t) {
    const bool openStart = t.validFrom == catalogue::kOpenStart, openEnd = t.validTo == catalogue::kOpenEnd;
    if (openStart && openEnd) return CatalogueWindow::tr("bez omezení");
    if (openStart) return CatalogueWindow::tr("do %1").arg(q(catalogue::formatDate(t.validTo)));
    if (openEnd) return CatalogueWindow::tr("od %1").arg(q(catalogue::formatDate(t.validFrom)));
    return q(catalogue::formatDate(t.validFrom)) + QStringLiteral(" – ") + q(catalogue::formatDate(t.validTo));
}

// A web address as a link; anything else as text.
QString linked(const QString& url, const QString& title) {
    const QUrl u(url);
    const QString shown = (title.isEmpty() ? url : title).toHtmlEscaped();
    if (u.isValid() && (u.scheme() == QLatin1String("https") || u.scheme() == QLatin1String("http")))
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(QString::fromUtf8(u.toEncoded()).toHtmlEscaped(), shown);
    return url.isEmpty() ? shown : shown + QStringLiteral(" (") + url.toHtmlEscaped() + QLatin1Char(')');
}

bool inFolder(const QString& path, const QString& folder) {
    const QString dir = QDir(folder).canonicalPath();
    return !dir.isEmpty() && QFileInfo(path).canonicalPath() == dir;
}

}  // namespace

CatalogueWindow::CatalogueWindow(CatalogueStore& store, QWidget* parent) : QDialog(parent), m_store(store) {
    setObjectName(QStringLiteral("catalogues"));
    setWindowTitle(tr("Ceníky"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_validOn = new QDateEdit(store.validOn(), this);
    m_validOn->setObjectName(QStringLiteral("validOn"));
    m_validOn->setCalendarPopup(true);
    m_validOn->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_validOn->setAccessibleName(tr("Platné k datu"));
    auto* validLabel = new QLabel(tr("&Platné k:"), this);
    validLabel->setBuddy(m_validOn);
    m_leaveOutBuiltin = new QCheckBox(tr("&Vynechat vestavěné tarify z roku 2003"), this);
    m_leaveOutBuiltin->setObjectName(QStringLiteral("leaveOutBuiltin"));
    m_leaveOutBuiltin->setChecked(!store.builtinPriced());
    auto* top = new QHBoxLayout;
    top->addWidget(validLabel);
    top->addWidget(m_validOn);
    top->addSpacing(16);
    top->addWidget(m_leaveOutBuiltin);
    top->addStretch(1);

    m_files = new QTreeWidget(this);
    m_files->setObjectName(QStringLiteral("files"));
    m_files->setAccessibleName(tr("Soubory tarifů a jejich tarify"));
    m_files->setHeaderLabels({tr("Soubor / tarif"), tr("Operátor"), tr("Revize"), tr("Platnost"), tr("Zdroj")});
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) m_files->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    m_files->header()->setSectionResizeMode(4, QHeaderView::Interactive);
    m_files->header()->setStretchLastSection(false);
    m_files->setWordWrap(false);
    m_files->setUniformRowHeights(true);

    m_details = new QLabel(this);
    m_details->setObjectName(QStringLiteral("details"));
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::RichText);
    m_details->setOpenExternalLinks(true);
    m_details->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_details->setAccessibleName(tr("Podrobnosti o vybraném souboru nebo tarifu"));
    m_details->setMinimumHeight(m_details->fontMetrics().height() * 4);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_files);
    split->addWidget(m_details);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);

    m_add = new QPushButton(tr("Přid&at soubor…"), this);
    m_remove = new QPushButton(tr("&Odebrat"), this);
    m_folder = new QPushButton(tr("Otevřít &složku"), this);
    m_new = new QPushButton(tr("&Nový tarif…"), this);
    m_edit = new QPushButton(tr("&Upravit…"), this);
    auto* close = new QPushButton(tr("&Zavřít"), this);
    m_add->setObjectName(QStringLiteral("add"));
    m_remove->setObjectName(QStringLiteral("remove"));
    m_folder->setObjectName(QStringLiteral("folder"));
    m_new->setObjectName(QStringLiteral("new"));
    m_edit->setObjectName(QStringLiteral("edit"));
    close->setObjectName(QStringLiteral("close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_add, m_remove, m_folder, m_new, m_edit}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    close->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(split, 1);
    v->addWidget(m_status);
    v->addLayout(buttons);

    connect(m_validOn, &QDateEdit::dateChanged, this, [this](QDate d) { m_store.setValidOn(d); });
    connect(m_leaveOutBuiltin, &QCheckBox::toggled, this, [this](bool on) { m_store.setBuiltinPriced(!on); });
    connect(m_files, &QTreeWidget::currentItemChanged, this, &CatalogueWindow::showDetails);
    connect(m_files, &QTreeWidget::itemActivated, this, [this] { editSelected(); });
    connect(m_add, &QPushButton::clicked, this, &CatalogueWindow::addClicked);
    connect(m_remove, &QPushButton::clicked, this, &CatalogueWindow::removeClicked);
    connect(m_folder, &QPushButton::clicked, this, &CatalogueWindow::openFolder);
    connect(m_new, &QPushButton::clicked, this, [this] { newTariff(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editSelected(); });
    connect(close, &QPushButton::clicked, this, &CatalogueWindow::close);
    connect(&m_store, &CatalogueStore::changed, this, &CatalogueWindow::rebuild);

    resize(760, 520);
    rebuild();
}

void CatalogueWindow::setMonth(const Profile& profile, const RunOptions& options) {
    m_profile = profile;
    m_options = options;
}

void CatalogueWindow::rebuild() {
    const QString selected = selectedFile();
    {
        const QSignalBlocker block(m_validOn);
        m_validOn->setDate(m_store.validOn());
    }
    {
        const QSignalBlocker block(m_leaveOutBuiltin);
        m_leaveOutBuiltin->setChecked(!m_store.builtinPriced());
    }
    m_files->clear();
    const catalogue::Day day = CatalogueStore::dayOf(m_store.validOn());
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    for (const CatalogueStore::File& f : m_store.files()) {
        auto* file = new QTreeWidgetItem(m_files);
        file->setToolTip(0, f.path);
        file->setText(1, f.fromCommandLine ? tr("z příkazové řádky") : f.system ? tr("systémová složka") : tr("vaše složka"));
        const std::size_t errors = static_cast<std::size_t>(std::count_if(
            f.problems.begin(), f.problems.end(), [](const catalogue::Problem& p) { return p.severity == catalogue::Severity::Error; }));
        const QString state = errors > 0 ? tr("chyby: %1, nepočítá se").arg(errors)
                              : f.problems.empty() ? tr("v pořádku")
                                                   : tr("varování: %1").arg(f.problems.size());
        file->setText(0, QFileInfo(f.path).fileName() + QStringLiteral(" – ") + state);
        file->setData(0, kPathRole, f.path);
        file->setData(0, kTariffRole, -1);
        QFont bold = file->font(0);
        bold.setBold(true);
        file->setFont(0, bold);
        for (std::size_t i = 0; i < f.tariffs.size(); ++i) {
            const catalogue::DataTariff& t = f.tariffs[i];
            auto* row = new QTreeWidgetItem(file);
            row->setText(0, q(t.name));
            row->setToolTip(0, q(t.name) + QStringLiteral(" (") + q(t.id) + QLatin1Char(')'));
            row->setText(1, q(t.operatorName));
            row->setText(2, QString::number(t.revision));
            row->setText(3, validity(t));
            row->setText(4, q(t.source.title));
            row->setToolTip(4, q(t.source.url.empty() ? t.source.document : t.source.url));
            row->setData(0, kPathRole, f.path);
            row->setData(0, kTariffRole, int(i));
            if (!t.validOn(day)) {
                row->setText(3, tr("%1 (neplatí k datu)").arg(validity(t)));
                for (int c = 0; c < 5; ++c) row->setForeground(c, grey);
            }
        }
        for (const catalogue::Problem& p : f.problems) {
            auto* row = new QTreeWidgetItem(file);
            row->setText(0, problemLine(p));
            row->setToolTip(0, problemLine(p));
            row->setFirstColumnSpanned(true);
            row->setData(0, kPathRole, f.path);
            row->setData(0, kTariffRole, -1);
            if (p.severity == catalogue::Severity::Error) row->setForeground(0, QColor(0xa0, 0x10, 0x10));
        }
        file->setExpanded(true);
    }
    if (m_store.files().empty())
        m_status->setText(m_store.isLoaded() ? tr("Žádný soubor tarifů není načten. Vlastní tarify přidáte tlačítkem "
                                                  "„Přidat soubor…“ nebo „Nový tarif…“; ukládají se do složky %1.")
                                                   .arg(QDir::toNativeSeparators(m_store.folder()))
                                             : tr("Načítají se soubory tarifů…"));
    else
        m_status->setText(tr("Počítá se %1 tarifů platných k %2; neplatných k tomuto datu: %3.")
                              .arg(m_store.priced().size())
                              .arg(m_store.validOn().toString(QStringLiteral("yyyy-MM-dd")))
                              .arg(m_store.notValidCount()));
    if (!selected.isEmpty()) selectFile(selected);
    showDetails();
}

QString CatalogueWindow::selectedFile() const {
    const QTreeWidgetItem* it = m_files->currentItem();
    return it ? it->data(0, kPathRole).toString() : QString();
}

void CatalogueWindow::selectFile(const QString& path) {
    for (int i = 0; i < m_files->topLevelItemCount(); ++i)
        if (m_files->topLevelItem(i)->data(0, kPathRole).toString() == path)
            m_files->setCurrentItem(m_files->topLevelItem(i));
}

void CatalogueWindow::showDetails() {
    const QTreeWidgetItem* it = m_files->currentItem();
    const QString path = selectedFile();
    const CatalogueStore::File* file = nullptr;
    for (const CatalogueStore::File& f : m_store.files())
        if (f.path == path) file = &f;
    const bool own = file && !file->system && !file->fromCommandLine && inFolder(path, m_store.folder());
    m_remove->setEnabled(own);
    m_edit->setEnabled(file != nullptr);
    if (!file) {
        m_details->setText(QString());
        return;
    }
    const int tariff = it ? it->data(0, kTariffRole).toInt() : -1;
    QString html;
    if (tariff >= 0 && std::size_t(tariff) < file->tariffs.size()) {
        const catalogue::DataTariff& t = file->tariffs[std::size_t(tariff)];
        html = QStringLiteral("<b>%1</b> (%2), %3<br>").arg(q(t.name).toHtmlEscaped(), q(t.operatorName).toHtmlEscaped(),
                                                              tr("identifikátor %1, revize %2, platnost %3")
                                                                  .arg(q(t.id).toHtmlEscaped())
                                                                  .arg(t.revision)
                                                                  .arg(validity(t)));
        if (t.hasSource) {
            QString source = linked(q(t.source.url), q(t.source.title));
            if (!t.source.document.empty()) source += QStringLiteral(", ") + q(t.source.document).toHtmlEscaped();
            if (!t.source.retrieved.empty()) source += QStringLiteral(", ") + tr("získáno %1").arg(q(t.source.retrieved));
            html += tr("Zdroj: %1").arg(source);
        } else {
            html += tr("Zdroj neuveden.");
        }
    } else {
        html = QStringLiteral("<b>%1</b><br>").arg(QDir::toNativeSeparators(path).toHtmlEscaped());
        if (file->problems.empty()) html += tr("Soubor je v pořádku.");
        else if (file->hasErrors()) html += tr("Soubor má chyby, a proto se z něj nepočítá žádný tarif:");
        else html += tr("Soubor se počítá, ale má varování:");
        if (!file->problems.empty()) {
            html += QStringLiteral("<ul style=\"margin:0\">");
            for (const catalogue::Problem& p : file->problems)
                html += QStringLiteral("<li>") + problemLine(p).toHtmlEscaped() + QStringLiteral("</li>");
            html += QStringLiteral("</ul>");
        }
    }
    m_details->setText(html);
}

QStringList CatalogueWindow::addFile(const QString& path) {
    // Checked together with the files loaded: an id and revision or a
    // validity that repeats one of theirs is refused here, not after copying.
    std::vector<std::string> paths;
    for (const CatalogueStore::File& f : m_store.files())
        if (!f.hasErrors()) paths.push_back(f.path.toStdString());
    paths.push_back(path.toStdString());
    const catalogue::Catalogue c = catalogue::loadTariffFiles(paths, catalogue::ReadOptions{m_store.builtinPriced()});
    QStringList reasons;
    for (const catalogue::Problem& p : c.problems)
        if (p.file == paths.back() && p.severity == catalogue::Severity::Error) reasons << problemLine(p);
    if (!reasons.isEmpty()) return reasons;

    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return {tr("Soubor nelze otevřít: %1").arg(in.errorString())};
    const QByteArray bytes = in.readAll();
    const QDir folder(m_store.folder());
    QDir().mkpath(folder.path());
    const QFileInfo info(path);
    QString target = folder.filePath(info.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder.filePath(info.completeBaseName() + QStringLiteral("-%1.json").arg(n));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return {tr("Soubor %1 nelze uložit: %2").arg(QDir::toNativeSeparators(target), out.errorString())};
    m_store.reload();
    return {};
}

bool CatalogueWindow::removeFile(const QString& path) {
    if (!inFolder(path, m_store.folder()) || !QFile::remove(path)) return false;
    m_store.reload();
    return true;
}

void CatalogueWindow::addClicked() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Přidat soubor tarifů"), QString(),
                                                      tr("Soubory tarifů (*.json);;Všechny soubory (*)"));
    if (path.isEmpty()) return;
    const QStringList reasons = addFile(path);
    if (reasons.isEmpty()) return;
    QMessageBox box(QMessageBox::Warning, tr("Přidat soubor tarifů"),
                    tr("Soubor %1 nelze přidat, protože má chyby:").arg(QFileInfo(path).fileName()), QMessageBox::Ok, this);
    box.setInformativeText(reasons.mid(0, 12).join(QLatin1Char('\n')) +
                           (reasons.size() > 12 ? tr("\n… a dalších %1").arg(reasons.size() - 12) : QString()));
    box.exec();
}

void CatalogueWindow::removeClicked() {
    const QString path = selectedFile();
    if (path.isEmpty()) return;
    if (QMessageBox::question(this, tr("Odebrat soubor tarifů"),
                              tr("Odebrat soubor %1 ze složky tarifů? Soubor bude smazán.").arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!removeFile(path))
        QMessageBox::warning(this, tr("Odebrat soubor tarifů"), tr("Soubor %1 nelze smazat.").arg(QDir::toNativeSeparators(path)));
}

void CatalogueWindow::openFolder() {
    QDir().mkpath(m_store.folder());
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_store.folder()));
}

TariffEditor* CatalogueWindow::newTariff() {
    auto* editor = new TariffEditor(m_profile, m_options, m_store.folder(), m_store.builtinPriced(), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &TariffEditor::saved, this, [this] { m_store.reload(); });
    editor->open();
    return editor;
}

TariffEditor* CatalogueWindow::editSelected() {
    const QString path = selectedFile();
    if (path.isEmpty()) return nullptr;
    auto* editor = new TariffEditor(m_profile, m_options, m_store.folder(), m_store.builtinPriced(), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->openFile(path);
    connect(editor, &TariffEditor::saved, this, [this] { m_store.reload(); });
    editor->open();
    return editor;
}

}  // namespace sazbar::ui
