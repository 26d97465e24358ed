#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QTimer;
class Tnewversion;

// "Aktualizace programu": the small borderless window that asks the update
// server once whether a newer version exists. Created hidden; start() shows
// it and runs the check. The request is asynchronous, so the window keeps
// animating while it waits; Timer1 puts a limit on the whole check.
class Taktualizace : public QWidget {
    Q_OBJECT
public:
    enum class Outcome {
        Pending,         // not finished yet
        NewerVersion,    // the notice was shown
        NoNewerVersion,  // up to date, or a reply that could not be used
        Asked,           // no connection or a failed request: the user was asked
        TimedOut,        // Timer1 ended the check
    };

    explicit Taktualizace(QWidget* parent = nullptr);
    ~Taktualizace() override;

    // The program version, "6.61".
    QString version() const;

    // Where a newer version is announced. Without one it is not announced.
    void setNoticeWindow(Tnewversion* notice);

    // Shows the window at (20, 20) and starts the check. Only the first call
    // does anything: the check runs once per program run.
    void start();

    Outcome outcome() const { return m_outcome; }

    // Hooks for tests. The asker answers the question "keep trying?" (true for
    // Yes); the probe tells whether the computer is connected; the beeper
    // sounds the end of the time limit.
    using Asker = std::function<bool()>;
    void setAsker(Asker asker) { m_asker = std::move(asker); }
    void setConnectionProbe(std::function<bool()> probe) { m_probe = std::move(probe); }
    void setBeeper(std::function<void()> beeper) { m_beeper = std::move(beeper); }
    void setIntervalsForTest(int limitMs, int checkDelayMs, int transferTimeoutMs);

    static QString questionText();

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* verze = nullptr;
    QTimer* Timer1 = nullptr;  // 10000 ms: time limit
    QTimer* Timer2 = nullptr;  // 10 ms: progress animation
    QTimer* Timer3 = nullptr;  // 1000 ms after showing: the check

signals:
    // Emitted once, when the check has ended in any way.
    void checkFinished();

public slots:
    void Timer1Timer();
    void Timer2Timer();
    void UpdateCheck();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class State { Idle, Waiting, Requesting, Asking, Done };

    void onMetaDataChanged();
    void onReadyRead();
    void onReplyFinished();
    void dropReply();
    void askAboutConnection();
    void stopTimers();
    void finish(Outcome outcome);

    QPixmap m_background;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QPointer<Tnewversion> m_notice;
    State m_state = State::Idle;
    Outcome m_outcome = Outcome::Pending;
    bool m_rising = true;
    int m_transferTimeoutMs = 10000;

    Asker m_asker;
    std::function<bool()> m_probe;
    std::function<void()> m_beeper;
};
