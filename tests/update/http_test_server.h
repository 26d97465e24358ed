#pragma once

// A tiny HTTP server on 127.0.0.1 for the update-check tests. It records each
// request's line and headers and answers in one of a few ways.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

class HttpTestServer : public QObject {
public:
    enum class Mode {
        Answer,      // send `answer` and close the connection
        Silent,      // accept, read the request, never answer
        Stall,       // send the head and part of a body, then nothing
        Trickle,     // send the head, then a byte every few ms without end
        Redirect,    // send a redirect to the same address, every time
        RedirectTo,  // send a redirect to `location`
    };

    struct Request {
        QByteArray line;
        QMap<QByteArray, QByteArray> headers;  // names in lower case
    };

    Mode mode = Mode::Answer;
    QByteArray answer;
    QByteArray location;
    QList<Request> requests;

    HttpTestServer() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) accept(socket);
        });
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(port()); }
    void close() { m_server.close(); }

    static QByteArray ok(const QByteArray& body, const QByteArray& contentType = "text/html") {
        return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType +
               "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray status(int code, const QByteArray& body) {
        return "HTTP/1.1 " + QByteArray::number(code) + " X\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

private:
    void accept(QTcpSocket* socket) {
        socket->setParent(this);
        auto* buffer = new QByteArray;
        connect(socket, &QObject::destroyed, this, [buffer] { delete buffer; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            // Requests without a body only: split at the blank line.
            qsizetype end;
            while ((end = buffer->indexOf("\r\n\r\n")) >= 0) {
                const QByteArray head = buffer->left(end);
                buffer->remove(0, end + 4);
                record(head);
                respond(socket);
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    void record(const QByteArray& head) {
        const QList<QByteArray> lines = head.split('\n');
        Request request;
        request.line = lines.value(0).trimmed();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        requests.append(request);
    }

    void respond(QTcpSocket* socket) {
        switch (mode) {
            case Mode::Answer:
                socket->write(answer);
                socket->disconnectFromHost();
                break;
            case Mode::Silent: break;
            case Mode::Stall: socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n6.62*"); break;
            case Mode::Trickle: {
                socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n6.62*");
                auto* timer = new QTimer(socket);
                QPointer<QTcpSocket> guard(socket);
                connect(timer, &QTimer::timeout, socket, [guard] {
                    if (guard) guard->write("x");
                });
                timer->start(5);
                break;
            }
            case Mode::Redirect:
                socket->write("HTTP/1.1 302 Found\r\nLocation: " + url() +
                              "/novaverze.php?verze=6.61\r\nContent-Length: 0\r\n\r\n");
                break;
            case Mode::RedirectTo:
                socket->write("HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\n\r\n");
                socket->disconnectFromHost();
                break;
        }
    }

    QTcpServer m_server;
};
