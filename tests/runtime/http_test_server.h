#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the network service tests. It runs
// on the test's own event loop, records each request and answers with the
// configured status and body, or never answers when silent.

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>
#include <vector>

namespace runtime_test {

struct ReceivedRequest {
    std::string method;
    std::string target;
    QMap<QByteArray, QByteArray> headers;  // lower-case names; a repeated name keeps all values
    std::string body;
    std::string trailing;  // bytes after the request that no header announced
};

class HttpTestServer {
public:
    HttpTestServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    std::string url(const std::string& path = "/") const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }

    int status = 200;
    std::string reason = "OK";
    std::string reply_body;
    bool silent = false;
    std::vector<ReceivedRequest> requests;

    // A port on which nothing listens: taken and released at once.
    static int closed_port() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const int port = probe.serverPort();
        probe.close();
        return port;
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                parse(socket, *buffer);
            });
        }
    }

    void parse(QTcpSocket* socket, QByteArray& buffer) {
        const qsizetype head_end = buffer.indexOf("\r\n\r\n");
        if (head_end < 0) return;
        ReceivedRequest request;
        const QList<QByteArray> lines = buffer.left(head_end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0).toStdString();
        request.target = first.value(1).toStdString();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon < 0) continue;
            const QByteArray name = lines[i].left(colon).trimmed().toLower();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            request.headers.insert(
                name, request.headers.contains(name) ? request.headers[name] + "|" + value : value);
        }
        const qsizetype length = request.headers.value("content-length", "0").toLongLong();
        if (buffer.size() < head_end + 4 + length) return;
        request.body = buffer.mid(head_end + 4, length).toStdString();
        request.trailing = buffer.mid(head_end + 4 + length).toStdString();
        buffer.clear();
        requests.push_back(request);
        if (silent) return;
        const QByteArray answer =
            "HTTP/1.1 " + QByteArray::number(status) + " " + QByteArray::fromStdString(reason) +
            "\r\nContent-Length: " + QByteArray::number(qsizetype(reply_body.size())) +
            "\r\nConnection: close\r\n\r\n" + QByteArray::fromStdString(reply_body);
        socket->write(answer);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
};

}  // namespace runtime_test
