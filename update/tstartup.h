#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;
class Taktualizace;

// The splash: the first window of the program. After its delay it gives way
// to the main window and, unless the update setting says "NOCONNECT", to the
// update check. It is only hidden, never closed.
class Tstartup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultDelayMs = 4000;

    // The delay is for tests; the program uses the default.
    explicit Tstartup(QWidget* parent = nullptr, int delayMs = kDefaultDelayMs);

    void setMainWindow(QWidget* mainWindow) { m_mainWindow = mainWindow; }
    void setUpdateWindow(Taktualizace* updateWindow) { m_updateWindow = updateWindow; }

    QTimer* Timer1 = nullptr;

signals:
    // After the splash has handed over to the main window.
    void handedOver();

public slots:
    void Timer1Timer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPointer<QWidget> m_mainWindow;
    QPointer<Taktualizace> m_updateWindow;
};
