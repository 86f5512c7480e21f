#include "ext/ostrel/runtime/automation.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointingDevice>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "ext/ostrel/runtime/env_number.h"

namespace Ostrel {
namespace {

QString env_text(const char* name) {
    return QString::fromUtf8(qgetenv(name));
}

int env_delay(const char* name, int fallback) {
    const int value = env_int(name, fallback);
    return value < 1 ? fallback : value;
}

QWidget* find_below(QWidget& start, const QString& part) {
    const bool prefix = part.endsWith('*');
    const QString name = prefix ? part.chopped(1) : part;
    for (QWidget* child : start.findChildren<QWidget*>()) {
        if (prefix ? child->objectName().startsWith(name) : child->objectName() == name) {
            return child;
        }
    }
    return nullptr;
}

// Where a step's text goes: the multi-line edit there unless hidden (a
// multi-line editor keeps a hidden single-line edit beside it), with the
// cursor at its end, else the single-line edit.
QWidget* text_input_at(QWidget& widget) {
    auto* text = qobject_cast<QTextEdit*>(&widget);
    if (text == nullptr) {
        for (QTextEdit* found : widget.findChildren<QTextEdit*>()) {
            if (!found->isHidden()) {
                text = found;
                break;
            }
        }
    }
    if (text != nullptr) {
        text->moveCursor(QTextCursor::End);
        return text;
    }
    if (auto* editor = qobject_cast<QLineEdit*>(&widget)) return editor;
    return widget.findChild<QLineEdit*>();
}

// The sequence state shared by the step timers.
struct Sequence {
    QWidget* main = nullptr;
    AutomationConfig config;
};

void save_final_screenshots(const std::shared_ptr<Sequence>& sequence) {
    save_screenshot(*sequence->main, sequence->config.shot2);
    int n = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == sequence->main || !window->isVisible()) continue;
        save_screenshot(*window, further_window_shot_path(sequence->config.shot2, n));
        ++n;
    }
    QCoreApplication::exit(0);
}

void run_click_step(const std::shared_ptr<Sequence>& sequence, std::size_t index) {
    QWidget* main = sequence->main;
    if (index >= sequence->config.steps.size()) {
        QTimer::singleShot(sequence->config.shot2_delay_ms, main,
                           [sequence] { save_final_screenshots(sequence); });
        return;
    }
    perform_automation_step(sequence->config.steps[index]);
    QTimer::singleShot(sequence->config.click_delay_ms, main,
                       [sequence, index] { run_click_step(sequence, index + 1); });
}

void run_screenshot_sequence(const std::shared_ptr<Sequence>& sequence) {
    save_screenshot(*sequence->main, sequence->config.shot);
    if (sequence->config.shot2.isEmpty()) {
        QCoreApplication::exit(0);
        return;
    }
    run_click_step(sequence, 0);
}

}  // namespace

AutomationConfig automation_config_from_env() {
    AutomationConfig config;
    config.shot = env_text("OSTREL_SHOT");
    config.shot2 = env_text("OSTREL_SHOT2");
    const char* click = std::getenv("OSTREL_CLICK");
    config.steps = split_automation_steps(click ? click : "Toggle");
    config.shot_delay_ms = env_delay("OSTREL_SHOT_DELAY", 200);
    config.click_delay_ms = env_delay("OSTREL_CLICK_DELAY", 1);
    config.shot2_delay_ms = env_delay("OSTREL_SHOT2_DELAY", 100);
    return config;
}

std::vector<std::string> split_automation_steps(const std::string& list) {
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) steps.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return steps;
}

AutomationStep parse_automation_step(const std::string& step) {
    AutomationStep parsed;
    const QString text = QString::fromStdString(step);
    const qsizetype equals = text.indexOf('=');
    parsed.has_text = equals >= 0;
    if (parsed.has_text) parsed.text = text.mid(equals + 1);
    QString path = (parsed.has_text ? text.left(equals) : text).trimmed();
    parsed.hover = path.startsWith('~');
    if (parsed.hover) path.remove(0, 1);
    for (const QString& part : path.split('/', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        // A part of spaces only is as empty as "//".
        if (!name.isEmpty()) parsed.parts.push_back(name);
    }
    return parsed;
}

QWidget* find_automation_widget(const std::vector<QString>& parts) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QWidget* current = top;
        for (const QString& part : parts) {
            current = find_below(*current, part);
            if (!current) break;
        }
        if (current) return current;
    }
    return nullptr;
}

void perform_automation_step(const std::string& step) {
    const AutomationStep parsed = parse_automation_step(step);
    QWidget* widget = find_automation_widget(parsed.parts);
    if (!widget) return;
    if (parsed.has_text) {
        QWidget* editor = text_input_at(*widget);
        if (!editor) return;
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, parsed.text, false, 1);
        QCoreApplication::sendEvent(editor, &key);
        return;
    }
    const QPointF local(5, 5);
    if (parsed.hover) {
        QEnterEvent enter(local, widget->mapTo(widget->window(), local),
                          widget->mapToGlobal(local));
        QCoreApplication::sendEvent(widget, &enter);
        return;
    }
    QMouseEvent press(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier, QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(widget, &press);
}

QString further_window_shot_path(const QString& shot2, int n) {
    const qsizetype slash = std::max(shot2.lastIndexOf('/'), shot2.lastIndexOf('\\'));
    const qsizetype dot = shot2.lastIndexOf('.');
    const QString base = dot > slash ? shot2.left(dot) : shot2;
    return QStringLiteral("%1.win%2.png").arg(base).arg(n);
}

void save_screenshot(QWidget& widget, const QString& path) {
    widget.grab().save(path);
}

void arm_automation(QWidget& main_window, const AutomationConfig& config) {
    auto sequence = std::make_shared<Sequence>();
    sequence->main = &main_window;
    sequence->config = config;
    QTimer::singleShot(config.shot_delay_ms, &main_window,
                       [sequence] { run_screenshot_sequence(sequence); });
}

}  // namespace Ostrel
