#include "update/taktualizace.h"

#include "ui/common/pictures.h"
#include "ui/common/settings.h"
#include "ui/common/windowplacement.h"
#include "update/connection.h"
#include "update/settings.h"
#include "update/tnewversion.h"
#include "update/updatereply.h"
#include "update/updatesetting.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

namespace {

constexpr char kAccept[] = "text/html, */*";
constexpr char kUserAgent[] = "Mozilla/3.0 (compatible; Indy Library)";
constexpr int kMaxRedirects = 3;

// The window the user works in, to open the question and the notice over;
// not the update window, which is on its way out.
QWidget* workingWindow(const QWidget* updateWindow) {
    QWidget* active = QApplication::activeWindow();
    return active == updateWindow ? nullptr : active;
}

bool askKeepTrying(QWidget* over) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Taktualizace", "Potvrzení"),
                    Taktualizace::questionText(), QMessageBox::Yes | QMessageBox::No, over);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

Taktualizace::Taktualizace(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_asker([this] { return askKeepTrying(workingWindow(this)); }),
      m_probe(sazbar::isConnectedToInternet),
      m_beeper([] { QApplication::beep(); }) {
    setWindowTitle(tr("Aktualizace programu"));
    setFixedSize(350, 100);
    setWindowOpacity(225 / 255.0);

    m_background = sazbar::makeUpdateBackground(size());
    // White is transparent: only the rounded panel is seen.
    setMask(m_background.createMaskFromColor(Qt::white, Qt::MaskInColor));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(tr("Probíhá automatická kontrola aktuálnosti programu"));
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(8, 22, 334, 20);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 50);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(48, 56, 246, 9);

    verze = new QLabel(QString::fromLatin1(sazbar::kProgramVersion), this);
    verze->setObjectName(QStringLiteral("verze"));
    verze->hide();

    auto makeTimer = [this](const char* name, int interval, void (Taktualizace::*slot)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, slot);
        return timer;
    };
    Timer1 = makeTimer("Timer1", 10000, &Taktualizace::Timer1Timer);
    Timer2 = makeTimer("Timer2", 10, &Taktualizace::Timer2Timer);
    Timer3 = makeTimer("Timer3", 1000, &Taktualizace::UpdateCheck);

    m_network = new QNetworkAccessManager(this);
}

Taktualizace::~Taktualizace() {
    // The reply must not call back into a half-destroyed window.
    dropReply();
}

void Taktualizace::setNoticeWindow(Tnewversion* notice) { m_notice = notice; }

QString Taktualizace::version() const { return verze->text(); }

QString Taktualizace::questionText() {
    return tr("Nelze se připojit k internetu! Má se program pokoušet o připojení i při dalších spuštěních?");
}

void Taktualizace::setIntervalsForTest(int limitMs, int checkDelayMs, int transferTimeoutMs) {
    Timer1->setInterval(limitMs);
    Timer3->setInterval(checkDelayMs);
    m_transferTimeoutMs = transferTimeoutMs;
}

void Taktualizace::start() {
    if (m_state != State::Idle) return;
    m_state = State::Waiting;
    move(20, 20);
    show();  // starts Timer3
    Timer1->start();
    Timer2->start();
}

void Taktualizace::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_state == State::Waiting) Timer3->start();
}

void Taktualizace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Taktualizace::Timer2Timer() {
    const int position = ProgressBar1->value();
    if (m_rising) {
        if (position < ProgressBar1->maximum()) {
            ProgressBar1->setValue(position + 1);
        } else {
            ProgressBar1->setValue(position - 1);
            m_rising = false;
        }
    } else {
        if (position > ProgressBar1->minimum()) {
            ProgressBar1->setValue(position - 1);
        } else {
            ProgressBar1->setValue(position + 1);
            m_rising = true;
        }
    }
}

void Taktualizace::Timer1Timer() {
    hide();
    stopTimers();
    if (m_beeper) m_beeper();
    // While the question box is open, its answer ends the check.
    if (m_state == State::Asking) return;
    dropReply();
    finish(Outcome::TimedOut);
}

void Taktualizace::UpdateCheck() {
    Timer3->stop();
    if (m_state != State::Waiting) return;

    if (m_probe && !m_probe()) {
        hide();
        askAboutConnection();
        return;
    }

    QNetworkRequest request(sazbar::updateRequestUrl(version()));
    request.setRawHeader("Accept", kAccept);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    // No compressed replies: the size limit below counts the bytes as sent.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(m_transferTimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    m_state = State::Requesting;
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Taktualizace::onMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &Taktualizace::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &Taktualizace::onReplyFinished);
}

void Taktualizace::onMetaDataChanged() {
    if (!m_reply) return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > sazbar::kMaxReplyBytes) {
        dropReply();
        finish(Outcome::NoNewerVersion);
    }
}

void Taktualizace::onReadyRead() {
    if (m_reply && m_reply->bytesAvailable() > sazbar::kMaxReplyBytes) {
        dropReply();
        finish(Outcome::NoNewerVersion);
    }
}

void Taktualizace::onReplyFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply || m_state != State::Requesting) return;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    // Any error of the transfer, a redirect that leads nowhere and every status
    // but 2xx mean the request failed, whatever body came with them.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    if (reply->error() != QNetworkReply::NoError || !status.isValid() || code < 200 || code > 299) {
        hide();
        askAboutConnection();
        return;
    }
    const QByteArray body = reply->read(sazbar::kMaxReplyBytes + 1);
    if (body.size() > sazbar::kMaxReplyBytes) {
        finish(Outcome::NoNewerVersion);
        return;
    }

    const auto info = sazbar::parseUpdateReply(body);
    if (info && sazbar::isNewer(info->version, version()) && m_notice) {
        m_notice->setNews(*info);
        if (!m_notice->isVisible()) sazbar::placeOver(m_notice, workingWindow(this));
        m_notice->show();
        finish(Outcome::NewerVersion);
    } else {
        finish(Outcome::NoNewerVersion);
    }
}

void Taktualizace::dropReply() {
    if (!m_reply) return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void Taktualizace::askAboutConnection() {
    Timer3->stop();
    m_state = State::Asking;
    QPointer<Taktualizace> self(this);
    const bool keepTrying = m_asker ? m_asker() : true;
    if (!self) return;
    // A setting that cannot be written only means the question comes again.
    if (!keepTrying) sazbar::switchUpdateCheckOff();
    finish(Outcome::Asked);
}

void Taktualizace::stopTimers() {
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
}

void Taktualizace::finish(Outcome outcome) {
    if (m_state == State::Done) return;
    m_state = State::Done;
    m_outcome = outcome;
    hide();
    stopTimers();
    emit checkFinished();
}
