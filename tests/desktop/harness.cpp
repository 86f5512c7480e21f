#include "tests/desktop/harness.h"

#include <unistd.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "ext/ostrel/desktop/combo_widget.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/engine/asset_loading.h"

namespace desktop_test {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTypeStyles = R"({
    "Box": {}, "Text": {}, "Button": {}, "Icon": {}, "Editor": {}, "Image": {},
    "Video": {}, "Markdown": {}, "QR": {}, "Check Box": {}, "Link": {}, "Host": {},
    "Scanner": {}, "Combo Box": {}
})";

constexpr const char* kThemeObject = R"({"Theme": {
    "Foreground": "#e3e3e3", "Gradient": ["0:#3a3c42", "1:#42454d"],
    "Primary": "#36393f", "Secondary": "#2f3136", "Tertiary": "#25272b"
}})";

}  // namespace

QApplication& qt_app() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "desktop-test";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::string framework_themes_dir() {
    return OSTREL_THEMES_DIR;
}

TempFolder::TempFolder(const std::string& tag) {
    path_ = fs::temp_directory_path() / ("desktop-test-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& relative, const std::string& content) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    return file.string();
}

LayerFixture::LayerFixture(const std::string& tag) : folder(tag) {
    styles_dir = (folder.path() / "styles").string();
    app_dir = (folder.path() / "app").string();
    folder.write("styles/widgets/types.json", kTypeStyles);
    folder.write("styles/mounts/theme.json", kThemeObject);
    fs::create_directories(app_dir);
}

void LayerFixture::add_layer(const std::string& file_name, const std::string& json) {
    folder.write("app/" + file_name, json);
}

bool LayerFixture::load_screen(Ostrel::OApp& app, const std::string& json, const std::string& root,
                               const std::string& theme, std::string* errors) {
    add_layer("screen.json", json);
    std::string messages;
    const bool ok = load(app, theme, &messages);
    if (errors != nullptr) *errors = messages;
    app.set_root(root);
    return ok && messages.empty();
}

bool LayerFixture::load(Ostrel::OApp& app, const std::string& theme, std::string* errors) const {
    qt_app();
    testing::internal::CaptureStderr();
    std::vector<std::string> app_dirs{app_dir};
    app_dirs.insert(app_dirs.end(), extra_app_dirs.begin(), extra_app_dirs.end());
    const bool ok = Ostrel::load_assets(app, framework_themes_dir(), styles_dir, theme, app_dirs);
    const std::string err = testing::internal::GetCapturedStderr();
    if (errors != nullptr) *errors = err;
    return ok;
}

ViewHarness::ViewHarness(Ostrel::OApp& app, QSize size) : app_(&app) {
    qt_app();
    root_ = Ostrel::create_desktop_view(app);
    view_ = Ostrel::DesktopView::of(root_);
    if (!size.isEmpty()) {
        root_->resize(size);
        root_->show();
        process_events();
    }
}

ViewHarness::~ViewHarness() {
    delete root_;
    process_events();
}

const Ostrel::DesktopView::DNode* ViewHarness::entry(const std::string& path) const {
    return view_->find(path);
}

QWidget* ViewHarness::widget(const std::string& path) const {
    const auto* node = entry(path);
    return node != nullptr ? node->widget : nullptr;
}

void ViewHarness::render() {
    view_->apply_patches(app_->render());
    process_events();
}

void ViewHarness::resize(int width, int height) {
    root_->resize(width, height);
    process_events();
}

bool ViewHarness::press(const std::string& path, QPoint at) {
    QWidget* target = widget(path);
    if (target == nullptr) return false;
    if (at == QPoint(-1, -1)) at = target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    process_events();
    return true;
}

bool ViewHarness::type_into(const std::string& path, const QString& text) {
    auto* editor = widget_as<Ostrel::EditorWidget>(path);
    if (editor == nullptr) return false;
    QWidget* field = editor->multiline ? static_cast<QWidget*>(editor->text_edit)
                                       : static_cast<QWidget*>(editor->line_edit);
    root_->activateWindow();
    field->setFocus(Qt::OtherFocusReason);
    if (editor->multiline) {
        editor->text_edit->viewport()->setFocus();
        field = editor->text_edit;
    }
    QTest::keyClicks(field, text);
    return true;
}

bool ViewHarness::choose(const std::string& path, const std::string& value) {
    auto* combo = widget_as<Ostrel::ComboWidget>(path);
    if (combo == nullptr) return false;
    const int index = combo->combo_box->findData(QString::fromStdString(value));
    if (index < 0) return false;
    combo->combo_box->setCurrentIndex(index);
    combo->on_combo_activated(index);
    process_events();
    return true;
}

QImage ViewHarness::grab() const {
    return root_->grab().toImage();
}

bool ViewHarness::save_png(const QString& file) const {
    return grab().save(file, "PNG");
}

bool wait_until(const std::function<bool()>& cond, int timeout_ms) {
    QDeadlineTimer deadline(timeout_ms);
    while (!cond()) {
        if (deadline.hasExpired()) return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qSleep(1);
    }
    return true;
}

void process_events() {
    qt_app();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void EventLog::watch_click(Ostrel::OApp& app, const std::string& path) {
    app.on_click(path, [this, path] { events.push_back(path + "|click"); });
}

void EventLog::watch_change(Ostrel::OApp& app, const std::string& path) {
    app.on_change(
        path, [this, path](const std::string& text) { events.push_back(path + "|input:" + text); });
}

void EventLog::watch_select(Ostrel::OApp& app, const std::string& path) {
    app.on_select(path, [this, path](const std::string& value) {
        events.push_back(path + "|select:" + value);
    });
}

}  // namespace desktop_test
