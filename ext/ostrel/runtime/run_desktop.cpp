#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/engine/asset_loading.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/engine/qt/theme_sources.h"
#include "ext/ostrel/runtime/automation.h"
#include "ext/ostrel/runtime/close_guard.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "ext/ostrel/runtime/desktop_services.h"
#include "ext/ostrel/runtime/desktop_settings.h"
#include "ext/ostrel/runtime/quit_signals.h"
#include "ext/ostrel/runtime/startup_steps.h"

namespace Ostrel {
namespace {

void name_application(const DesktopAppConfig& config) {
    QCoreApplication::setOrganizationName(QString::fromStdString(config.organization));
    QCoreApplication::setApplicationName(QString::fromStdString(config.application_name));
    QCoreApplication::setApplicationVersion(QString::fromStdString(config.version));
    if (!config.desktop_file_name.empty()) {
        QGuiApplication::setDesktopFileName(QString::fromStdString(config.desktop_file_name));
    }
}

void show_main_window(QWidget& window, const DesktopAppConfig& config) {
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    const WindowGeometry geometry = window_geometry_from_env();
    window.setMinimumSize(geometry.min_width, geometry.min_height);
    window.resize(geometry.width, geometry.height);
    window.setWindowTitle(QString::fromStdString(config.window_title));
    window.show();
}

void set_icons(const DesktopAppConfig& config) {
    std::vector<std::string> icon_dirs = config.icon_dirs;
    icon_dirs.push_back(config.framework_assets_dir + "/icons");
    set_icon_dirs(std::move(icon_dirs));
    if (!config.logo.empty()) {
        const QIcon icon = window_icon_for(config.logo);
        if (!icon.availableSizes().isEmpty()) QApplication::setWindowIcon(icon);
    }
    set_image_dirs(config.media_dirs);
}

// Drops every service slot, so pending replies, timers, posted calls and
// processes are cut off and destroyed while the store still exists.
void drop_services(OApp& app) {
    app.http_service = nullptr;
    app.upload_service = nullptr;
    app.pick_service = nullptr;
    app.open_url_service = nullptr;
    app.copy_text_service = nullptr;
    app.save_file_service = nullptr;
    app.process_service = nullptr;
    app.timer_service = nullptr;
    app.post_service = nullptr;
    app.close_window_service = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int run_window(OApp& app, const DesktopAppConfig& config, const std::string& theme) {
    app.condition_tags.insert("Desktop");
    app.app_version = config.version;
    write_update_defaults(app, config);
    install_qt_services(app);
    restore_store(app);
    app.store_persist = persist_store_value;

    if (config.build) {
        config.build(app);
    } else {
        build_app(app);
    }

    install_theme_sources(app);
    // A theme only a theme folder provides becomes active now; neither
    // start-up activation is written back.
    app.set_theme(theme);
    app.theme_persist = persist_active_theme;

    set_icons(config);
    std::unique_ptr<QWidget> window(create_desktop_view(app));
    new CloseGuard(app, *window);  // owned by the window
    show_main_window(*window, config);
    start_multimedia_warmup();
    if (qEnvironmentVariableIsSet("OSTREL_SHOT")) {
        arm_automation(*window, automation_config_from_env());
    }
    // A quit signal during start-up found no loop to leave.
    const int code = QuitSignals::received() != 0 ? 0 : QApplication::exec();
    if (app.before_quit) app.before_quit();

    // The window and everything pending go before the store.
    window.reset();
    drop_services(app);
    return code;
}

int run_application(int argc, char** argv, const DesktopAppConfig& given) {
    // Qt's GStreamer media back end crashes while constructing a player when
    // GStreamer lacks its base elements; the FFmpeg back end needs nothing
    // outside Qt. The user's own choice stays; an empty one is no choice.
    // Whatever it is, players are made only where it can make them safely.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication qt(argc, argv);
    const QuitSignals quit_signals;
    DesktopAppConfig config = given;
    resolve_asset_dirs(config, QCoreApplication::applicationDirPath().toStdString());
    name_application(config);
    const std::string theme = startup_theme_name(config.default_theme);

    auto app = std::make_unique<OApp>();
    if (!load_assets(*app, config.framework_assets_dir + "/themes",
                     config.framework_assets_dir + "/styles", theme, config.style_dirs)) {
        std::fputs(kInitFailure, stderr);
        return 1;
    }
    const int code = run_window(*app, config, theme);
    app.reset();
    return code;
}

}  // namespace

int run_desktop(int argc, char** argv, const DesktopAppConfig& given) {
    const int code = run_application(argc, argv, given);
    // Everything is written and torn down; the process ends as the signal
    // that asked it to would have ended it.
    if (const int signal_number = QuitSignals::received()) end_by_signal(signal_number);
    return code;
}

}  // namespace Ostrel
