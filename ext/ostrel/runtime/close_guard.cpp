#include "ext/ostrel/runtime/close_guard.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "ext/ostrel/runtime/service_anchor.h"

namespace Ostrel {

CloseGuard::CloseGuard(OApp& app, QWidget& window)
    : QObject(&window), app_(&app), window_(&window) {
    window.installEventFilter(this);
    app.close_window_service = [guard = QPointer<CloseGuard>(this)] {
        if (!guard) return;
        // Queued: the caller is usually the click handler of the dialog that
        // asked, which still renders once it returns.
        QMetaObject::invokeMethod(
            guard.data(), [guard] { guard->close_now(); }, Qt::QueuedConnection);
    };
}

void CloseGuard::close_now() {
    closing_ = true;
    window_->close();
    closing_ = false;
}

bool CloseGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::Close || closing_) {
        return QObject::eventFilter(watched, event);
    }
    // A copy: the hook may replace itself while it runs.
    const CloseRequestHook ask = app_->close_request;
    if (!ask || ask()) return false;
    event->ignore();
    // Whatever the application showed instead (its question) is rendered
    // like the result of any asynchronous completion.
    run_after_callback(*app_);
    return true;
}

}  // namespace Ostrel
