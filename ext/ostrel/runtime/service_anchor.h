#pragma once

// The lifetime of one installed service. Pending work of the service (replies,
// processes, timers, posted calls) hangs on the anchor's QObject, and every
// delivery first checks that the anchor still exists. The service callable in
// the OApp slot holds the only strong reference, so destroying the store (or
// replacing the service) disconnects and stops all pending work: no callback
// ever reaches a destroyed store.

#include <QObject>
#include <QPointer>
#include <memory>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

class ServiceAnchor {
public:
    // The QObject is a child of the application object, so it never outlives it.
    ServiceAnchor();
    // Disconnects every object below the anchor's QObject, kills running
    // processes, aborts pending replies and releases the QObject.
    ~ServiceAnchor();
    ServiceAnchor(const ServiceAnchor&) = delete;
    ServiceAnchor& operator=(const ServiceAnchor&) = delete;

    // Parent and connection context for pending work; null once the
    // application object is gone.
    QObject* object() const { return object_.data(); }

private:
    QPointer<QObject> object_;
};

using AnchorRef = std::weak_ptr<ServiceAnchor>;

// Runs the store's after-callback, when set, through a copy, so the hook may
// replace itself.
void run_after_callback(OApp& app);

}  // namespace Ostrel
