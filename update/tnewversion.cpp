#include "update/tnewversion.h"

#include "ui/common/linklabel.h"
#include "update/settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont arialFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

}  // namespace

Tnewversion::Tnewversion(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Informace o nové verzi"));
    setFixedSize(423, 271);
    setMouseTracking(true);

    auto* heading = plainLabel(tr("Byla nalezena nová verze programu"), this);
    heading->setFont(arialFont(10, true));
    heading->setAlignment(Qt::AlignCenter);

    verze = plainLabel(QString(), this);
    verze->setObjectName(QStringLiteral("verze"));
    verze->setFont(arialFont(20, true));
    auto* from = plainLabel(tr("z"), this);
    datum = plainLabel(QString(), this);
    datum->setObjectName(QStringLiteral("datum"));
    datum->setFont(arialFont(10, true));

    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch();
    versionRow->addWidget(verze, 0, Qt::AlignBaseline);
    versionRow->addSpacing(6);
    versionRow->addWidget(from, 0, Qt::AlignBaseline);
    versionRow->addSpacing(6);
    versionRow->addWidget(datum, 0, Qt::AlignBaseline);
    versionRow->addStretch();

    auto* changesTitle = plainLabel(tr("Změny a nové funkce:"), this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* howTo = plainLabel(tr("Pokud si chcete stáhnou novou verzi, klikněte na odkaz dole"), this);

    Download = new sazbar::LinkLabel(QStringLiteral("Download"), this);
    Download->setObjectName(QStringLiteral("Download"));
    Download->setFont(arialFont(10, true));
    Download->setAlwaysBold(true);
    connect(Download, &sazbar::ClickLabel::clicked, this, &Tnewversion::DownloadClick);

    Button1 = new QPushButton(tr("Zavřít"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Download);
    bottom->addStretch();
    bottom->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(4);
    layout->addWidget(heading);
    layout->addLayout(versionRow);
    layout->addWidget(changesTitle);
    layout->addWidget(Memo1, 1);
    layout->addWidget(howTo);
    layout->addLayout(bottom);
}

void Tnewversion::setNews(const sazbar::UpdateInfo& info) {
    Memo1->clear();
    verze->setText(info.version);
    datum->setText(info.date);
    for (const QString& line : info.changes) Memo1->appendPlainText(line);
    Memo1->moveCursor(QTextCursor::Start);
}

void Tnewversion::DownloadClick() {
    if (m_opener) m_opener(sazbar::downloadUrl());
}

void Tnewversion::mouseMoveEvent(QMouseEvent* event) {
    Download->setHot(false);
    QWidget::mouseMoveEvent(event);
}
