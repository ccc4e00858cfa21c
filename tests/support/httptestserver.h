#pragma once

// A small HTTP server on 127.0.0.1 for tests: each path answers as told,
// including failures on purpose.
#include <QByteArray>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

class HttpTestServer : public QTcpServer
{
public:
    /// CloseEarly sends half the body without a length and closes cleanly;
    /// NonAuthoritative answers 203 with the whole body; ServerError answers
    /// 500 with an HTML page; Stall sends half the body, then nothing while
    /// keeping the connection open; Trickle sends the body one byte every
    /// trickleInterval ms; Endless sends bytes for ever without a length; HugeLength
    /// states 10 GB and sends bytes for ever.
    enum Mode {
        Full,
        NotFound,
        DropMidBody,
        Slow,
        CloseEarly,
        NonAuthoritative,
        ServerError,
        Stall,
        Trickle,
        Endless,
        HugeLength
    };

    struct Route
    {
        QByteArray body;
        Mode mode = Full;
    };

    HttpTestServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, &HttpTestServer::accept);
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }
    void route(const QByteArray& path, const QByteArray& body, Mode mode = Full)
    {
        routes[path] = {body, mode};
    }
    int requests(const QByteArray& path) const { return counts.value(path); }
    void clearCounts() { counts.clear(); }

    /// The pause between two bytes in Trickle mode.
    int trickleInterval = 100;

    /// Called as each request arrives.
    std::function<void(const QByteArray& path)> onRequest;

    /// While held, requests wait unanswered; releasing answers them in order.
    void hold(bool on)
    {
        held = on;
        while (!held && !waiting.isEmpty()) {
            QPointer<QTcpSocket> socket = waiting.takeFirst();
            if (socket)
                answer(socket);
        }
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket)
    {
        if (held) {
            waiting << socket;
            return;
        }
        const QByteArray request = socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        const bool headOnly = request.startsWith("HEAD ");
        counts[path] += 1;
        if (onRequest)
            onRequest(path);
        const Route r = routes.value(path, Route{QByteArray(), NotFound});
        if (r.mode == NotFound) {
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\n");
            finish(socket, headOnly ? QByteArray() : QByteArray("not found"));
            return;
        }
        if (r.mode == ServerError) {
            const QByteArray page = "<html><body>Internal Server Error</body></html>";
            socket->write("HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/html\r\n"
                          "Connection: close\r\nContent-Length: "
                          + QByteArray::number(page.size()) + "\r\n\r\n");
            finish(socket, headOnly ? QByteArray() : page);
            return;
        }
        if (r.mode == Endless || r.mode == HugeLength) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: video/mp4\r\nConnection: close\r\n"
                          + QByteArray(r.mode == HugeLength ? "Content-Length: 10737418240\r\n" : "")
                          + "\r\n");
            if (!headOnly)
                sendForever(socket);
            return;
        }
        if (r.mode == CloseEarly) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: video/mp4\r\nConnection: close\r\n\r\n");
            finish(socket, headOnly ? QByteArray() : r.body.left(r.body.size() / 2));
            return;
        }
        socket->write(QByteArray(r.mode == NonAuthoritative ? "HTTP/1.1 203 Non-Authoritative Information"
                                                            : "HTTP/1.1 200 OK")
                      + "\r\nContent-Type: video/mp4\r\nConnection: close\r\n"
                        "Content-Length: "
                      + QByteArray::number(r.body.size()) + "\r\n\r\n");
        if (headOnly || r.mode == Full || r.mode == NonAuthoritative) {
            finish(socket, headOnly ? QByteArray() : r.body);
        } else if (r.mode == Stall) {
            socket->write(r.body.left(r.body.size() / 2));
            socket->flush();
        } else if (r.mode == Trickle) {
            trickle(socket, r.body, 0);
        } else if (r.mode == DropMidBody) {
            socket->write(r.body.left(r.body.size() / 2));
            socket->flush();
            socket->abort();
        } else {
            sendSlowly(socket, r.body, 0);
        }
    }

    static void finish(QTcpSocket* socket, const QByteArray& body)
    {
        socket->write(body);
        socket->disconnectFromHost();
    }

    void sendSlowly(QTcpSocket* socket, const QByteArray& body, int from)
    {
        const int chunk = qMax(1, body.size() / 4);
        socket->write(body.mid(from, chunk));
        socket->flush();
        if (from + chunk >= body.size()) {
            socket->disconnectFromHost();
            return;
        }
        QTimer::singleShot(30, socket, [=] { sendSlowly(socket, body, from + chunk); });
    }

    void trickle(QTcpSocket* socket, const QByteArray& body, int from)
    {
        socket->write(body.mid(from, 1));
        socket->flush();
        if (from + 1 >= body.size()) {
            socket->disconnectFromHost();
            return;
        }
        QTimer::singleShot(trickleInterval, socket, [=] { trickle(socket, body, from + 1); });
    }

    /// Keeps about a megabyte queued until the other side goes away.
    static void sendForever(QTcpSocket* socket)
    {
        static const QByteArray chunk(64 * 1024, 'z');
        auto* pump = new QTimer(socket);
        connect(pump, &QTimer::timeout, socket, [socket] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < (1 << 20))
                socket->write(chunk);
        });
        pump->start(1);
    }

    bool held = false;
    QList<QPointer<QTcpSocket>> waiting;
    QMap<QByteArray, Route> routes;
    QMap<QByteArray, int> counts;
};
