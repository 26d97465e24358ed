// The update check against a real HTTP server on 127.0.0.1, the splash that
// starts it, and the new-version notice.

#include "http_test_server.h"
#include "ui/common/linklabel.h"
#include "update/taktualizace.h"
#include "update/tnewversion.h"
#include "update/tstartup.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using Outcome = Taktualizace::Outcome;

QByteArray settingFile() {
    QFile file(QStringLiteral("update"));
    if (!file.open(QIODevice::ReadOnly)) return "<none>";
    return file.readAll();
}

// Every test runs in its own empty working directory.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_oldDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }
    void TearDown() override {
        QDir::setCurrent(m_oldDir);
        qunsetenv("SAZBAR_UPDATE_URL");
    }

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
};

// One update window and its notice, wired to a test server, with the
// question, the connection test and the beep replaced.
struct Check {
    Taktualizace window;
    Tnewversion notice;
    int questions = 0;
    int beeps = 0;
    bool answerYes = true;

    explicit Check(const QByteArray& serverUrl, int limitMs = 5000, int transferTimeoutMs = 4000) {
        qputenv("SAZBAR_UPDATE_URL", serverUrl);
        window.setNoticeWindow(&notice);
        window.setAsker([this] {
            ++questions;
            return answerYes;
        });
        window.setConnectionProbe([] { return true; });
        window.setBeeper([this] { ++beeps; });
        window.setIntervalsForTest(limitMs, 10, transferTimeoutMs);
    }

    // Starts the check and waits (bounded) for its end.
    bool run(int waitMs = 8000) {
        window.start();
        return QTest::qWaitFor([this] { return window.outcome() != Outcome::Pending; }, waitMs);
    }
};

using UpdateCheck = InTempDir;

TEST_F(UpdateCheck, NewerVersionShowsTheNoticeAndSendsTheExactRequest) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    server.answer = HttpTestServer::ok("6.62*1. 1. 2005*Nové ceny Oskar*");
    Check check(server.url());
    ASSERT_TRUE(check.run());

    EXPECT_EQ(check.window.outcome(), Outcome::NewerVersion);
    EXPECT_FALSE(check.window.isVisible());
    EXPECT_TRUE(check.notice.isVisible());
    EXPECT_EQ(check.notice.verze->text(), QStringLiteral("6.62"));
    EXPECT_EQ(check.notice.datum->text(), QStringLiteral("1. 1. 2005"));
    EXPECT_EQ(check.notice.Memo1->toPlainText(), QStringLiteral("Nové ceny Oskar"));
    EXPECT_EQ(check.questions, 0);
    EXPECT_EQ(settingFile(), "<none>");

    ASSERT_EQ(server.requests.size(), 1);
    const auto& request = server.requests.first();
    EXPECT_EQ(request.line, "GET /novaverze.php?verze=6.61 HTTP/1.1");
    EXPECT_EQ(request.headers.value("accept"), "text/html, */*");
    EXPECT_EQ(request.headers.value("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request.headers.value("host"), "127.0.0.1:" + QByteArray::number(server.port()));
}

struct VersionCase {
    const char* version;
    bool announced;
};

class UpdateCheckVersions : public InTempDir, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(UpdateCheckVersions, OnlyANewerVersionIsAnnounced) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    server.answer = HttpTestServer::ok(QByteArray(GetParam().version) + "*2. 2. 2005*zmena*");
    Check check(server.url());
    ASSERT_TRUE(check.run());
    EXPECT_EQ(check.notice.isVisible(), GetParam().announced);
    EXPECT_EQ(check.window.outcome(), GetParam().announced ? Outcome::NewerVersion : Outcome::NoNewerVersion);
    EXPECT_EQ(check.questions, 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, UpdateCheckVersions,
                         ::testing::Values(VersionCase{"6.62", true}, VersionCase{"7.00", true},
                                           VersionCase{"6.70", true}, VersionCase{"6.61", false},
                                           VersionCase{"6.60", false}, VersionCase{"5.99", false}));

// Replies that must do no harm: no notice, no question, no file, no hang.
struct BadReply {
    const char* name;
    HttpTestServer::Mode mode;
    QByteArray answer;
    bool failed;  // the request failed: the question comes instead of silence
};

class UpdateCheckBadReplies : public InTempDir, public ::testing::WithParamInterface<BadReply> {};

// A port on 127.0.0.1 that nothing listens on.
quint16 refusedPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost)) return 9;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

TEST_P(UpdateCheckBadReplies, FailuresAskAndUnusableRepliesStaySilent) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    server.mode = GetParam().mode;
    server.answer = GetParam().answer;
    server.location = "http://127.0.0.1:" + QByteArray::number(refusedPort()) + "/novaverze.php?verze=6.61";
    // The transfer timeout, not the time limit, ends the stalled reply.
    Check check(server.url(), 8000, 300);
    ASSERT_TRUE(check.run(6000)) << GetParam().name;

    EXPECT_EQ(check.window.outcome(), GetParam().failed ? Outcome::Asked : Outcome::NoNewerVersion);
    EXPECT_EQ(check.questions, GetParam().failed ? 1 : 0);
    EXPECT_FALSE(check.window.isVisible());
    EXPECT_FALSE(check.notice.isVisible());
    EXPECT_EQ(check.beeps, 0);
    EXPECT_EQ(settingFile(), "<none>");  // "Yes" keeps the check on
    EXPECT_LE(server.requests.size(), 4) << "redirects must be limited";
}

QByteArray oversized() { return "6.62*1. 1. 2005*" + QByteArray(70 * 1024, 'a') + "*"; }

using Mode = HttpTestServer::Mode;

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateCheckBadReplies,
    ::testing::Values(BadReply{"one field", Mode::Answer, HttpTestServer::ok("6.62*"), false},
                      BadReply{"no star", Mode::Answer, HttpTestServer::ok("6.62"), false},
                      BadReply{"empty", Mode::Answer, HttpTestServer::ok(""), false},
                      BadReply{"bad version", Mode::Answer, HttpTestServer::ok("7.0*1. 1. 2005*x*"), false},
                      BadReply{"html page", Mode::Answer,
                               HttpTestServer::ok("<html><body><b>7.00*</b>*<script>x()</script>*</body></html>"),
                               false},
                      BadReply{"oversized with length", Mode::Answer, HttpTestServer::ok(oversized()), false},
                      BadReply{"oversized without length", Mode::Answer,
                               "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + oversized(), false},
                      BadReply{"404", Mode::Answer, HttpTestServer::status(404, "7.00*1. 1. 2005*x*"), true},
                      BadReply{"500", Mode::Answer, HttpTestServer::status(500, "7.00*1. 1. 2005*x*"), true},
                      BadReply{"204 empty", Mode::Answer, HttpTestServer::status(204, ""), false},
                      BadReply{"redirect loop", Mode::Redirect, {}, true},
                      BadReply{"redirect to a refused port", Mode::RedirectTo, {}, true},
                      BadReply{"stalled body", Mode::Stall, {}, true}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST_F(UpdateCheck, HtmlInTheReplyIsShownAsPlainText) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    server.answer = HttpTestServer::ok("6.62*<b>1. 1. 2005</b>*<img src=x>Nové <i>ceny</i>*");
    Check check(server.url());
    ASSERT_TRUE(check.run());
    ASSERT_EQ(check.window.outcome(), Outcome::NewerVersion);
    EXPECT_EQ(check.notice.datum->textFormat(), Qt::PlainText);
    EXPECT_EQ(check.notice.datum->text(), QStringLiteral("<b>1. 1. 2005</b>"));
    EXPECT_EQ(check.notice.Memo1->toPlainText(), QStringLiteral("<img src=x>Nové <i>ceny</i>"));
}

struct LimitCase {
    const char* name;
    HttpTestServer::Mode mode;
};

class UpdateCheckLimit : public InTempDir, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(UpdateCheckLimit, Timer1EndsACheckThatNeverAnswers) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    server.mode = GetParam().mode;
    Check check(server.url(), 1500, 30000);
    ASSERT_TRUE(check.run(5000));
    EXPECT_EQ(check.window.outcome(), Outcome::TimedOut);
    EXPECT_FALSE(check.window.isVisible());
    EXPECT_FALSE(check.window.Timer1->isActive());
    EXPECT_FALSE(check.window.Timer2->isActive());
    EXPECT_FALSE(check.window.Timer3->isActive());
    EXPECT_EQ(check.beeps, 1);
    EXPECT_EQ(check.questions, 0);
    EXPECT_FALSE(check.notice.isVisible());
    EXPECT_EQ(server.requests.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Servers, UpdateCheckLimit,
                         ::testing::Values(LimitCase{"silent", HttpTestServer::Mode::Silent},
                                           LimitCase{"trickle", HttpTestServer::Mode::Trickle}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
    bool yes;
    QByteArray file;
};

class UpdateCheckRefused : public InTempDir, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdateCheckRefused, AsksAndOnlyNoSwitchesTheCheckOff) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    const QByteArray url = server.url();
    server.close();  // nobody listens on the port any more

    {
        Check check(url);
        check.answerYes = GetParam().yes;
        ASSERT_TRUE(check.run());
        EXPECT_EQ(check.window.outcome(), Outcome::Asked);
        EXPECT_EQ(check.questions, 1);
        EXPECT_FALSE(check.window.isVisible());
        EXPECT_FALSE(check.notice.isVisible());
        EXPECT_EQ(settingFile(), GetParam().file);
    }

    // The next start.
    QWidget mainWindow;
    Taktualizace update;
    update.setConnectionProbe([] { return true; });
    update.setAsker([] { return true; });
    Tstartup splash(nullptr, 20);
    splash.setMainWindow(&mainWindow);
    splash.setUpdateWindow(&update);
    splash.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.isVisible(); }, 3000));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(update.isVisible(), GetParam().yes);
}

INSTANTIATE_TEST_SUITE_P(Answers, UpdateCheckRefused,
                         ::testing::Values(AnswerCase{true, "<none>"}, AnswerCase{false, "NOCONNECT\r\n"}));

TEST_F(UpdateCheck, NotConnectedAsksWithoutSendingAnything) {
    HttpTestServer server;
    ASSERT_TRUE(server.listen());
    Check check(server.url());
    check.window.setConnectionProbe([] { return false; });
    check.answerYes = false;
    ASSERT_TRUE(check.run());
    EXPECT_EQ(check.window.outcome(), Outcome::Asked);
    EXPECT_EQ(check.questions, 1);
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_EQ(settingFile(), "NOCONNECT\r\n");
}

TEST_F(UpdateCheck, ProgressBarSwingsBetweenZeroAndFifty) {
    Taktualizace window;
    // position after n steps of Timer2
    const std::pair<int, int> expected[] = {{0, 0}, {1, 1}, {50, 50}, {51, 49}, {100, 0}, {101, 1}, {151, 49}};
    int steps = 0;
    for (const auto& [n, position] : expected) {
        for (; steps < n; ++steps) window.Timer2Timer();
        EXPECT_EQ(window.ProgressBar1->value(), position) << "after " << n << " steps";
    }
}

struct SplashCase {
    const char* name;
    const char* file;  // nullptr: no file
    bool updateShown;
};

class Splash : public InTempDir, public ::testing::WithParamInterface<SplashCase> {};

TEST_P(Splash, HandsOverToTheMainWindowAndStartsTheCheckUnlessSwitchedOff) {
    if (GetParam().file) {
        QFile file(QStringLiteral("update"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().file);
    }
    qputenv("SAZBAR_UPDATE_URL", "http://127.0.0.1:1");
    QWidget mainWindow;
    Taktualizace update;
    update.setIntervalsForTest(5000, 60000, 5000);  // no request during the test
    Tstartup splash(nullptr, 30);
    splash.setMainWindow(&mainWindow);
    splash.setUpdateWindow(&update);
    splash.show();
    EXPECT_FALSE(mainWindow.isVisible());

    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.isVisible(); }, 3000));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(update.isVisible(), GetParam().updateShown);
    EXPECT_EQ(update.Timer1->isActive(), GetParam().updateShown);
    EXPECT_EQ(update.Timer2->isActive(), GetParam().updateShown);
    EXPECT_EQ(update.Timer3->isActive(), GetParam().updateShown);
    if (GetParam().updateShown) {
        EXPECT_EQ(update.pos(), QPoint(20, 20));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Splash,
                         ::testing::Values(SplashCase{"no_file", nullptr, true},
                                           SplashCase{"noconnect_crlf", "NOCONNECT\r\n", false},
                                           SplashCase{"noconnect_bare", "NOCONNECT", false},
                                           SplashCase{"lower_case", "noconnect\r\n", true},
                                           SplashCase{"second_line", "\r\nNOCONNECT\r\n", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Notice, DownloadLinkOpensTheDownloadPageAndLightsUpOnHover) {
    qputenv("SAZBAR_UPDATE_URL", "http://127.0.0.1:8765");
    Tnewversion notice;
    QList<QUrl> opened;
    notice.setUrlOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    notice.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&notice));

    QTest::mouseClick(notice.Download, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl(QStringLiteral("http://127.0.0.1:8765/download.php")));
    qunsetenv("SAZBAR_UPDATE_URL");

    auto colour = [&] { return notice.Download->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(Qt::blue));
    QTest::mouseMove(&notice, notice.Download->geometry().center());
    EXPECT_EQ(colour(), QColor(Qt::red));
    EXPECT_TRUE(notice.Download->font().underline());
    EXPECT_TRUE(notice.Download->font().bold());
    QTest::mouseMove(&notice, QPoint(5, 5));
    EXPECT_EQ(colour(), QColor(Qt::blue));
    EXPECT_FALSE(notice.Download->font().underline());
    EXPECT_TRUE(notice.Download->font().bold());
}

TEST(Notice, NewNewsReplacesTheOldChangeLines) {
    Tnewversion notice;
    notice.setNews({QStringLiteral("6.62"), QStringLiteral("1. 1. 2005"), {QStringLiteral("a"), QStringLiteral("b")}});
    notice.setNews({QStringLiteral("6.63"), QStringLiteral("2. 2. 2005"), {QStringLiteral("c")}});
    EXPECT_EQ(notice.Memo1->toPlainText(), QStringLiteral("c"));
    EXPECT_EQ(notice.verze->text(), QStringLiteral("6.63"));
}

}  // namespace
