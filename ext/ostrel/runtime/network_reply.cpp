#include "ext/ostrel/runtime/network_reply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <utility>

#include "ext/ostrel/runtime/http_service.h"

namespace Ostrel {

QPointer<QNetworkAccessManager> make_network_manager(const ServiceAnchor& anchor) {
    if (!anchor.object()) return nullptr;
    return new QNetworkAccessManager(anchor.object());
}

void deliver_when_finished(OApp& app, const AnchorRef& life, QNetworkReply* reply,
                           HttpCallback done) {
    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [&app, life, reply, done = std::move(done)] {
                         const auto alive = life.lock();
                         reply->deleteLater();
                         if (!alive) return;
                         const HttpResponse response = http_response_from(*reply);
                         if (done) done(response);
                         run_after_callback(app);
                     });
}

}  // namespace Ostrel
