#pragma once

// "Editor" nodes: a frameless single-line edit with a floating placeholder
// label and an optional leading icon, or a multi-line text edit. The box part
// paints background, border and corners.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "ext/ostrel/desktop/vbox_widget.h"

class QLabel;
class QLineEdit;
class QTextEdit;
class QVariantAnimation;

namespace Ostrel {

class IconWidget;

class EditorWidget : public VBoxWidget {
public:
    explicit EditorWidget(QWidget* parent = nullptr);

    std::function<void(const std::string& text)> on_change;
    QLineEdit* line_edit = nullptr;
    QTextEdit* text_edit = nullptr;  // created on first need
    bool multiline = false;
    QLabel* placeholder_label = nullptr;
    QVariantAnimation* label_anim = nullptr;
    QString text;          // node text of the last configuration
    QString applied_text;  // node text last written into the editor
    // What leaving the line edit empty brings back: its text when focus
    // entered it, or a node text written into it since.
    QString restore_text;
    bool set_guard = false;
    std::string family;
    double large_size = 14.0;
    double small_size = 10.0;
    std::array<int, 4> insets{};  // left, top, right, bottom
    QPoint label_rest;
    QPoint label_float;
    double label_progress = 0;
    bool label_floated = false;
    IconWidget* lead_icon = nullptr;
    int icon_size = 0;
    int icon_inset = 0;

    // The text of the multi-line edit exactly as shown: no line-end or space
    // conversion, so text that went in unchanged comes out unchanged.
    QString multiline_text() const;
    // Fills the multi-line edit without reporting it as an edit.
    void set_multiline_text(const QString& value);
    // Shows a text the application chose, without reporting it as an edit.
    void show_text(const QString& value);
    // The store's value of this editor as last seen here: what the user
    // typed (which the store took) or what the application wrote there.
    std::optional<std::string> seen_value;
    // Brings a value the application wrote into the store since into view.
    // A value the editor reported itself is no news, so a render while the
    // user types never touches the text or the cursor; a form redrawn from
    // its file with the value it had before still replaces what was typed.
    void follow_value(const std::string& value);
    // Places the placeholder label at progress p (0 resting, 1 floated).
    void place_label(double progress);

    // User edits of the line edit; any change of the text edit.
    void on_line_edit_edited(const QString& value);
    void on_text_edit_changed();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Every user edit goes out here, so seen_value always knows it.
    void report(const QString& value);

    QString last_multiline_;  // last text set or reported
    // Line end of the text last set, given back for every paragraph break;
    // the document itself keeps no "\r".
    QString line_end_ = QStringLiteral("\n");
};

// Applies the node's style, placeholder and text; first is true at creation.
void configure_editor(EditorWidget* editor, const NodeStyle& style, const std::string& placeholder,
                      const std::string& text, bool first);
// Floats the label while the line edit has focus or text; animated over
// 150 ms unless immediate.
void set_label_state(EditorWidget* editor, bool immediate);
void layout_editor(EditorWidget* editor);

}  // namespace Ostrel
