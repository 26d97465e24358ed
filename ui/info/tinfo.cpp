#include "ui/info/tinfo.h"

#include "ui/common/linklabel.h"
#include "ui/common/pictures.h"
#include "ui/info/infopictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr int kEurotel = 1;
constexpr int kTmobile = 2;
constexpr int kOskar = 4;
constexpr int kAllThree = kEurotel | kTmobile | kOskar;

const QSize kTileSize(92, 52);

QLabel* plainLabel(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    return label;
}

sazbar::ClickLabel* tile(const QString& name, const QColor& colour, QWidget* parent) {
    auto* label = new sazbar::ClickLabel(parent);
    label->setObjectName(name);
    label->setPixmap(sazbar::makeOperatorTile(name, colour, kTileSize));
    label->setFixedSize(kTileSize);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace

Tinfo::Tinfo(QWidget* parent) : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Informace"));
    // Esc closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setFixedSize(430, 330);
    setMouseTracking(true);

    auto* name = plainLabel(QString::fromLatin1(sazbar::kProgramName), this, QRect(140, 12, 270, 30));
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);

    plainLabel(tr("Verze:"), this, QRect(140, 48, 60, 18));
    verze = plainLabel(QString::fromLatin1(sazbar::kProgramVersion), this, QRect(200, 48, 80, 18));
    verze->setObjectName(QStringLiteral("verze"));
    QFont bold = verze->font();
    bold.setBold(true);
    verze->setFont(bold);
    plainLabel(tr("Datum:"), this, QRect(140, 68, 60, 18));
    datum = plainLabel(QString::fromLatin1(sazbar::kProgramDate), this, QRect(200, 68, 120, 18));
    datum->setObjectName(QStringLiteral("datum"));

    podminky = new QGroupBox(tr("Podmínky použití"), this);
    podminky->setGeometry(140, 96, 276, 150);
    podminky->installEventFilter(this);
    podminky->setMouseTracking(true);
    auto* terms =
        plainLabel(tr("Program je zdarma. Smíte jej volně používat a šířit, pokud jej neměníte a nežádáte za něj "
                      "úplatu. Ceny se počítají podle ceníků operátorů platných v době vydání této verze a jsou "
                      "jen orientační; závazné jsou vždy ceníky operátorů. Nové verze najdete na"),
                   podminky, QRect(8, 20, 260, 100));
    terms->setWordWrap(true);
    terms->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    termsWeb = new sazbar::LinkLabel(QStringLiteral("www.sazbar.cz"), podminky);
    termsWeb->setObjectName(QStringLiteral("termsWeb"));
    termsWeb->setGeometry(8, 124, 120, 18);

    plainLabel(tr("Web:"), this, QRect(140, 254, 60, 18));
    web = new sazbar::LinkLabel(QString::fromLatin1(sazbar::kWebSite), this);
    web->setObjectName(QStringLiteral("web"));
    web->setGeometry(200, 254, 210, 18);
    plainLabel(QStringLiteral("E-mail:"), this, QRect(140, 274, 60, 18));
    mail = new sazbar::LinkLabel(QString::fromLatin1(sazbar::kMailAddress), this);
    mail->setObjectName(QStringLiteral("mail"));
    mail->setGeometry(200, 274, 210, 18);

    plainLabel(tr("Autor:"), this, QRect(20, 254, 60, 18));
    author = new sazbar::LinkLabel(tr("napište nám"), this);
    author->setObjectName(QStringLiteral("author"));
    author->setGeometry(20, 274, 110, 18);

    connect(web, &sazbar::ClickLabel::clicked, this, &Tinfo::openWebSite);
    connect(termsWeb, &sazbar::ClickLabel::clicked, this, &Tinfo::openWebSite);
    connect(mail, &sazbar::ClickLabel::clicked, this, &Tinfo::writeMail);
    connect(author, &sazbar::ClickLabel::clicked, this, &Tinfo::writeMail);

    // the splash picture in small
    auto* picture = new QLabel(this);
    picture->setPixmap(sazbar::makeSplashPicture(QSize(360, 240))
                           .scaled(QSize(105, 70), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setGeometry(20, 16, 105, 70);

    plainLabel(tr("Porovnává tarify:"), this, QRect(20, 104, 110, 18));
    tmobile = tile(QStringLiteral("T-Mobile"), QColor(0x9c, 0x2a, 0x7a), this);
    eurotel = tile(QStringLiteral("Eurotel"), QColor(0x1f, 0x4e, 0x9a), this);
    oskar = tile(QStringLiteral("Oskar"), QColor(0x2e, 0x8b, 0x57), this);
    connect(eurotel, &sazbar::ClickLabel::clicked, this, [this] { collect(kEurotel); });
    connect(tmobile, &sazbar::ClickLabel::clicked, this, [this] { collect(kTmobile); });
    connect(oskar, &sazbar::ClickLabel::clicked, this, [this] { collect(kOskar); });

    skryty = new QLabel(this);
    skryty->setObjectName(QStringLiteral("skryty"));
    skryty->setPixmap(sazbar::makeRewardPicture(QSize(92, 70)));
    skryty->setGeometry(25, 182, 92, 70);
    skryty->hide();

    Button1 = new QPushButton(tr("Zavřít"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setGeometry(330, 298, 86, 26);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tinfo::Timer1Timer);

    FormActivate();
    showTile(m_cycle);
}

void Tinfo::setVersion(const QString& version) { verze->setText(version); }

void Tinfo::FormActivate() {
    tmobile->move(25, 126);
    eurotel->move(28, 126);
    oskar->move(30, 126);
    skryty->hide();
    m_collector = 0;
}

void Tinfo::Timer1Timer() {
    m_cycle = m_cycle % 3 + 1;
    showTile(m_cycle);
}

void Tinfo::showTile(int which) {
    tmobile->setVisible(which == 1);
    eurotel->setVisible(which == 2);
    oskar->setVisible(which == 3);
}

void Tinfo::collect(int value) {
    if (m_collector & value) return;  // each tile counts once
    m_collector += value;
    if (m_collector == kAllThree) {
        skryty->show();
        m_collector = 0;
    }
}

void Tinfo::openWebSite() {
    if (m_opener) m_opener(sazbar::webSiteUrl());
}

void Tinfo::writeMail() {
    if (m_opener) m_opener(sazbar::mailUrl());
}

void Tinfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormActivate();
    Timer1->start();
}

void Tinfo::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QWidget::hideEvent(event);
}

void Tinfo::mouseMoveEvent(QMouseEvent* event) {
    web->setHot(false);
    mail->setHot(false);
    author->setHot(false);
    QWidget::mouseMoveEvent(event);
}

bool Tinfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == podminky && event->type() == QEvent::MouseMove) termsWeb->setHot(false);
    return QWidget::eventFilter(watched, event);
}
