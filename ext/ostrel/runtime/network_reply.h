#pragma once

// What the HTTP and upload services share: a network manager per service and
// the delivery of a finished reply.

#include <QPointer>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/service_anchor.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace Ostrel {

// A manager owned by the anchor's QObject; null without an application.
QPointer<QNetworkAccessManager> make_network_manager(const ServiceAnchor& anchor);

// When the reply finishes and the service still exists: schedules the
// reply's deletion, calls done with the response, then the after-callback.
void deliver_when_finished(OApp& app, const AnchorRef& life, QNetworkReply* reply,
                           HttpCallback done);

}  // namespace Ostrel
