#pragma once

// Screenshot and click automation, driven by the environment: OSTREL_SHOT
// (first screenshot; enables it), OSTREL_SHOT2 (second screenshot after the
// steps; unset means stop after the first), OSTREL_CLICK (steps separated by
// ",", default "Toggle") and the delays OSTREL_SHOT_DELAY (200 ms),
// OSTREL_CLICK_DELAY (1 ms) and OSTREL_SHOT2_DELAY (100 ms). A step is a
// path of object names separated by "/" ("Name*" matches a prefix), clicked,
// or followed by "=" and a text typed into the editor there (at the end of a
// multi-line one); a path beginning with "~" only moves the pointer onto the
// widget (an enter event), so a screenshot shows its hover look.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace Ostrel {

struct AutomationConfig {
    QString shot;
    QString shot2;
    std::vector<std::string> steps;
    int shot_delay_ms = 200;
    int click_delay_ms = 1;
    int shot2_delay_ms = 100;
};

// Reads the variables once; a delay below 1, unset or not a number takes
// its default.
AutomationConfig automation_config_from_env();

// The steps of an OSTREL_CLICK value: split at every ",", empty parts dropped.
std::vector<std::string> split_automation_steps(const std::string& list);

struct AutomationStep {
    std::vector<QString> parts;  // trimmed object names or "prefix*"
    bool has_text = false;
    QString text;        // everything after the first "=", as written
    bool hover = false;  // the path began with "~"
};
AutomationStep parse_automation_step(const std::string& step);

// The widget a path names, tried from each top-level widget in turn; the
// first top-level widget for an empty path; null when none resolves it.
QWidget* find_automation_widget(const std::vector<QString>& parts);

// Clicks the step's widget (left press at (5, 5)), enters it (hover steps)
// or types its text into the editor there: the shown multi-line edit, at its
// end, else the single-line edit. A step that finds nothing does nothing.
void perform_automation_step(const std::string& step);

// Where the screenshot of the n-th further window goes: the second
// screenshot's path without the extension of its file name, + ".win" + n +
// ".png". A dot in a folder name is not an extension.
QString further_window_shot_path(const QString& shot2, int n);

// Renders the widget's whole rectangle and saves it; the format follows the
// suffix. A failed save is ignored.
void save_screenshot(QWidget& widget, const QString& path);

// Starts the sequence on timers bound to the main window: first screenshot,
// the steps, the second screenshots of the main and every other visible
// top-level window, then quits the application with 0.
void arm_automation(QWidget& main_window, const AutomationConfig& config);

}  // namespace Ostrel
