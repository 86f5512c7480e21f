#include "ext/ostrel/runtime/upload_service.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QMimeDatabase>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>
#include <utility>

#include "ext/ostrel/runtime/http_service.h"
#include "ext/ostrel/runtime/network_reply.h"

namespace Ostrel {
namespace {

QByteArray escape_quoted(const QString& text) {
    QByteArray escaped;
    for (const char byte : text.toUtf8()) {
        if (byte == '"') {
            escaped += "%22";
        } else if (byte == '\r') {
            escaped += "%0D";
        } else if (byte == '\n') {
            escaped += "%0A";
        } else {
            escaped += byte;
        }
    }
    return escaped;
}

UploadResult failed_upload(bool cancelled, std::string error) {
    UploadResult result;
    result.cancelled = cancelled;
    result.error = std::move(error);
    return result;
}

QHttpMultiPart* multipart_for(const QString& path, const QByteArray& bytes,
                              const QString& field_name) {
    auto* multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader,
                   QMimeDatabase().mimeTypeForFile(path).name());
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   upload_disposition(field_name, QFileInfo(path).fileName()));
    part.setBody(bytes);
    multipart->append(part);
    return multipart;
}

void qt_upload(OApp& app, const std::shared_ptr<ServiceAnchor>& anchor,
               QNetworkAccessManager* manager, const std::string& method, const std::string& accept,
               const std::string& url, const std::vector<HeaderPair>& headers,
               const std::string& field_name, UploadCallback done) {
    const QString path =
        upload_file_chooser()(QApplication::activeWindow(), QStringLiteral("Choose a file"),
                              QString::fromStdString(file_filter_for_accept(accept)));
    if (path.isEmpty()) {
        if (done) done(failed_upload(true, std::string()));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (done) done(failed_upload(false, "Couldn't open the selected file."));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    // The dialog ran a nested event loop: the store may have been torn down.
    if (!anchor->object() || !manager) {
        if (done) done(failed_upload(false, "application is shutting down"));
        return;
    }
    QNetworkRequest request(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
    for (const auto& [name, value] : headers) {
        request.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    }
    request.setTransferTimeout(0);
    QHttpMultiPart* multipart = multipart_for(path, bytes, QString::fromStdString(field_name));
    QNetworkReply* reply =
        manager->sendCustomRequest(request, QByteArray::fromStdString(method), multipart);
    multipart->setParent(reply);
    deliver_when_finished(
        app, anchor, reply, [done = std::move(done)](const HttpResponse& response) {
            if (done) done(UploadResult{false, response.status, response.body, response.error});
        });
}

}  // namespace

std::string file_filter_for_accept(const std::string& accept) {
    const bool images = accept.find("image/") != std::string::npos;
    const bool videos = accept.find("video/") != std::string::npos;
    if (images && !videos) return "Images (*.jpg *.jpeg *.png *.webp *.gif);;All files (*)";
    if (videos && !images) return "Videos (*.mp4 *.webm *.mov);;All files (*)";
    return "All files (*)";
}

QByteArray upload_disposition(const QString& field_name, const QString& file_name) {
    return "form-data; name=\"" + escape_quoted(field_name) + "\"; filename=\"" +
           escape_quoted(file_name) + "\"";
}

UploadFileChooser& upload_file_chooser() {
    static UploadFileChooser chooser = [](QWidget* parent, const QString& caption,
                                          const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    };
    return chooser;
}

void install_qt_uploader(OApp& app) {
    auto anchor = std::make_shared<ServiceAnchor>();
    const QPointer<QNetworkAccessManager> manager = make_network_manager(*anchor);
    app.upload_service = [&app, anchor, manager](
                             const std::string& method, const std::string& accept,
                             const std::string& url, const std::vector<HeaderPair>& headers,
                             const std::string& field_name, UploadCallback done) {
        qt_upload(app, anchor, manager.data(), method, accept, url, headers, field_name,
                  std::move(done));
    };
}

}  // namespace Ostrel
