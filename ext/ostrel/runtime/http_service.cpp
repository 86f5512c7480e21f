#include "ext/ostrel/runtime/http_service.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>
#include <utility>

#include "ext/ostrel/runtime/network_reply.h"

namespace Ostrel {
namespace {

QNetworkReply* send_request(QNetworkAccessManager& manager, const QNetworkRequest& request,
                            const HttpRequest& http) {
    const QByteArray body = QByteArray::fromStdString(http.body);
    // Verbs compare exactly: "post" or "Get" go out as custom verbs with the body.
    if (http.method == "POST") return manager.post(request, body);
    if (http.method == "DELETE") return manager.deleteResource(request);
    if (http.method.empty() || http.method == "GET") return manager.get(request);
    return manager.sendCustomRequest(request, QByteArray::fromStdString(http.method), body);
}

void qt_http_send(OApp& app, const std::shared_ptr<ServiceAnchor>& anchor,
                  QNetworkAccessManager* manager, int timeout_ms, const HttpRequest& http,
                  HttpCallback done) {
    if (!anchor->object() || !manager) {
        if (done) done(HttpResponse{0, std::string(), "application is shutting down"});
        return;
    }
    QNetworkRequest request(QUrl(QString::fromStdString(http.url), QUrl::TolerantMode));
    request.setTransferTimeout(timeout_ms);
    if (!http.content_type.empty()) {
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QString::fromStdString(http.content_type));
    }
    for (const auto& [name, value] : http.headers) {
        request.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    }
    deliver_when_finished(app, anchor, send_request(*manager, request, http), std::move(done));
}

}  // namespace

HttpResponse http_response_from(QNetworkReply& reply) {
    HttpResponse response;
    response.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted or timed-out reply is closed and has no body.
    if (reply.isOpen()) response.body = reply.readAll().toStdString();
    if (reply.error() != QNetworkReply::NoError && response.status == 0) {
        response.error = reply.errorString().toStdString();
    }
    return response;
}

void install_qt_http_with_timeout(OApp& app, int timeout_ms) {
    auto anchor = std::make_shared<ServiceAnchor>();
    // The manager lives on the anchor, so it goes with the service.
    const QPointer<QNetworkAccessManager> manager = make_network_manager(*anchor);
    app.http_service = [&app, anchor, manager, timeout_ms](const HttpRequest& request,
                                                           HttpCallback done) {
        qt_http_send(app, anchor, manager.data(), timeout_ms, request, std::move(done));
    };
}

void install_qt_http(OApp& app) {
    install_qt_http_with_timeout(app, kHttpTimeoutMs);
}

}  // namespace Ostrel
