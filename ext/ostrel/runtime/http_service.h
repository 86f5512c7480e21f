#pragma once

// HTTP through one shared QNetworkAccessManager. Replies arrive on the GUI
// thread; the caller's callback runs first, then the store's after-callback.

#include "ext/ostrel/engine/oapp.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace Ostrel {

// Every HTTP transfer ends with a time-out error after this long.
inline constexpr int kHttpTimeoutMs = 30000;

// Creates the HTTP network manager and stores the HTTP service into
// OApp::http_service, replacing any earlier one.
void install_qt_http(OApp& app);

// The service with its transfer time-out as a parameter, so that tests need
// not wait 30 s; install_qt_http uses kHttpTimeoutMs.
void install_qt_http_with_timeout(OApp& app, int timeout_ms);

// Status, body and error of a finished reply: an HTTP error status comes with
// its body and no error text; only a reply without status carries the
// network error text.
HttpResponse http_response_from(QNetworkReply& reply);

}  // namespace Ostrel
