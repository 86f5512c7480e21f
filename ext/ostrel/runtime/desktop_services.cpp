#include "ext/ostrel/runtime/desktop_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <utility>

#include "ext/ostrel/runtime/dialog_services.h"
#include "ext/ostrel/runtime/http_service.h"
#include "ext/ostrel/runtime/process_service.h"
#include "ext/ostrel/runtime/service_anchor.h"
#include "ext/ostrel/runtime/upload_service.h"

namespace Ostrel {

void qt_open_url(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

void qt_copy_text(const std::string& text) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromStdString(text));
    }
}

void install_qt_timer(OApp& app) {
    auto anchor = std::make_shared<ServiceAnchor>();
    app.timer_service = [&app, anchor](int delay_ms, Callback fn) {
        if (!anchor->object()) return;
        // One timer object per request, below the anchor, so dropping the
        // service stops every pending timer.
        auto* timer = new QTimer(anchor->object());
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);  // keeps close deadlines in order
        const AnchorRef life = anchor;
        QObject::connect(timer, &QTimer::timeout, timer, [&app, life, timer, fn = std::move(fn)] {
            const auto alive = life.lock();
            timer->deleteLater();
            if (!alive) return;
            if (fn) fn();
            run_after_callback(app);
        });
        timer->start(delay_ms);
    };
}

void install_qt_post(OApp& app) {
    auto anchor = std::make_shared<ServiceAnchor>();
    app.post_service = [&app, anchor](Callback fn) {
        if (!anchor->object()) return;
        const AnchorRef life = anchor;
        QMetaObject::invokeMethod(
            anchor->object(),
            [&app, life, fn = std::move(fn)] {
                const auto alive = life.lock();
                if (!alive) return;
                if (fn) fn();
                run_after_callback(app);
            },
            Qt::QueuedConnection);
    };
}

void install_qt_services(OApp& app) {
    install_qt_http(app);
    install_qt_uploader(app);
    install_qt_file_pick(app);
    install_qt_process(app);
    app.open_url_service = qt_open_url;
    app.copy_text_service = qt_copy_text;
    app.save_file_service = save_file_dialog;
    install_qt_timer(app);
    install_qt_post(app);
}

}  // namespace Ostrel
