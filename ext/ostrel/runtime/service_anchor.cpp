#include "ext/ostrel/runtime/service_anchor.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QProcess>

namespace Ostrel {

ServiceAnchor::ServiceAnchor() : object_(new QObject(QCoreApplication::instance())) {}

ServiceAnchor::~ServiceAnchor() {
    if (!object_) return;
    const QList<QObject*> pending = object_->findChildren<QObject*>();
    // Disconnect everything first: killing a process or aborting a reply
    // emits signals whose handlers would reach the store.
    for (QObject* object : pending) object->disconnect();
    for (QObject* object : pending) {
        if (auto* process = qobject_cast<QProcess*>(object)) {
            process->kill();
        } else if (auto* reply = qobject_cast<QNetworkReply*>(object)) {
            reply->abort();
        }
    }
    // Deferred: the anchor may die inside a handler of one of its children.
    // Without a running loop the application object deletes it at exit.
    object_->deleteLater();
}

void run_after_callback(OApp& app) {
    if (!app.after_callback) return;
    const Callback hook = app.after_callback;
    hook();
}

}  // namespace Ostrel
