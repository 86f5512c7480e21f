#include "ext/ostrel/desktop/editor_widget.h"

#include <QEasingCurve>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVariantAnimation>
#include <algorithm>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/box_painting.h"
#include "ext/ostrel/desktop/fonts.h"
#include "ext/ostrel/desktop/icon_widget.h"
#include "ext/ostrel/desktop/scroll_bar_style.h"

namespace Ostrel {

namespace {

constexpr int kLabelMs = 150;
constexpr QChar kParagraph(0x2029);

int round_px(double size) {
    return px(size + 0.5);
}

QFont sized_font(const QFont& base, double size, const std::string& family, bool italic) {
    QFont font = base;
    font.setPixelSize(std::max(1, round_px(size)));
    font.setItalic(italic);
    apply_font_family(font, family);
    return font;
}

// The line end a text uses: "\r\n" when it has one, else "\n".
QString line_end_of(const QString& text) {
    return text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

// Fills the multi-line edit; a read-only one (a log) shows its newest line.
void fill_multiline(EditorWidget* editor, const QString& value) {
    editor->set_multiline_text(value);
    QTextEdit* edit = editor->text_edit;
    if (edit->isReadOnly())
        edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

}  // namespace

EditorWidget::EditorWidget(QWidget* parent) : VBoxWidget(parent) {
    line_edit = new QLineEdit(this);
    line_edit->setFrame(false);
    line_edit->installEventFilter(this);
    connect(line_edit, &QLineEdit::textEdited, this,
            [this](const QString& value) { on_line_edit_edited(value); });
    placeholder_label = new QLabel(this);
    placeholder_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont italic = placeholder_label->font();
    italic.setItalic(true);
    placeholder_label->setFont(italic);
    label_anim = new QVariantAnimation(this);
    label_anim->setDuration(kLabelMs);
    label_anim->setEasingCurve(QEasingCurve::InOutCubic);
    connect(label_anim, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { place_label(value.toDouble()); });
}

QString EditorWidget::multiline_text() const {
    if (text_edit == nullptr) return QString();
    QString raw = text_edit->document()->toRawText();
    raw.replace(kParagraph, line_end_);
    return raw;
}

void EditorWidget::set_multiline_text(const QString& value) {
    line_end_ = line_end_of(value);
    set_guard = true;
    text_edit->setPlainText(value);
    set_guard = false;
    last_multiline_ = multiline_text();
}

void EditorWidget::show_text(const QString& value) {
    if (multiline && text_edit != nullptr) {
        if (multiline_text() != value) fill_multiline(this, value);
        return;
    }
    // The node text written since is what leaving the field empty restores.
    restore_text = value;
    if (line_edit->text() != value) line_edit->setText(value);
    set_label_state(this, true);
}

void EditorWidget::follow_value(const std::string& value) {
    if (seen_value == value) return;
    seen_value = value;
    show_text(QString::fromStdString(value));
}

void EditorWidget::report(const QString& value) {
    seen_value = value.toStdString();
    if (on_change) on_change(*seen_value);
}

void EditorWidget::on_line_edit_edited(const QString& value) {
    report(value);
    set_label_state(this, false);
}

void EditorWidget::on_text_edit_changed() {
    if (set_guard || !on_change) return;
    const QString value = multiline_text();
    // Format-only changes re-emit textChanged; only new text is an edit.
    if (value == last_multiline_) return;
    last_multiline_ = value;
    report(value);
}

bool EditorWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == line_edit) {
        if (event->type() == QEvent::FocusIn) restore_text = line_edit->text();
        if (event->type() == QEvent::FocusOut && line_edit->text().isEmpty() &&
            !restore_text.isEmpty()) {
            // A field that held text cannot be left empty. The node text may
            // be older than what the user saved since, so the text of this
            // visit's start comes back.
            line_edit->setText(restore_text);
            report(restore_text);
        }
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            set_label_state(this, false);
        }
    }
    return VBoxWidget::eventFilter(watched, event);
}

void EditorWidget::mousePressEvent(QMouseEvent* event) {
    (void)event;
    if (multiline && text_edit != nullptr) {
        text_edit->setFocus(Qt::OtherFocusReason);
    } else {
        line_edit->setFocus(Qt::OtherFocusReason);
    }
}

void EditorWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
    layout_editor(this);
}

QSize EditorWidget::sizeHint() const {
    const int hl = QFontMetrics(sized_font(font(), large_size, family, false)).height();
    const int hs = QFontMetrics(sized_font(font(), small_size, family, false)).height();
    const int top = insets[1];
    const int bottom = insets[3];
    if (multiline) return QSize(0, bottom + 3 * hl + top + 8);
    return QSize(line_edit->sizeHint().width(), hs + top + bottom + hl + 4);
}

QSize EditorWidget::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void EditorWidget::place_label(double progress) {
    label_progress = progress;
    const int x = static_cast<int>(label_rest.x() + (label_float.x() - label_rest.x()) * progress);
    const int y = static_cast<int>(label_rest.y() + (label_float.y() - label_rest.y()) * progress);
    const double size = (small_size - large_size) * progress + large_size;
    placeholder_label->setFont(sized_font(placeholder_label->font(), size, family, true));
    placeholder_label->move(x, y);
}

void set_label_state(EditorWidget* editor, bool immediate) {
    if (editor->multiline) return;
    const bool floated = editor->line_edit->hasFocus() || !editor->line_edit->text().isEmpty();
    if (immediate) {
        editor->label_floated = floated;
        editor->label_anim->stop();
        editor->place_label(floated ? 1.0 : 0.0);
        return;
    }
    if (floated == editor->label_floated) return;
    editor->label_floated = floated;
    editor->label_anim->stop();
    editor->label_anim->setStartValue(editor->label_progress);
    editor->label_anim->setEndValue(floated ? 1.0 : 0.0);
    editor->label_anim->start();
}

void layout_editor(EditorWidget* editor) {
    const auto& in = editor->insets;
    const QRect content(in[0], in[1], std::max(0, editor->width() - in[2] - in[0]),
                        std::max(0, editor->height() - in[3] - in[1]));
    if (editor->multiline) {
        if (editor->text_edit != nullptr) editor->text_edit->setGeometry(content);
        return;
    }
    const QFont base = editor->placeholder_label->font();
    const int hs =
        QFontMetrics(sized_font(base, editor->small_size, editor->family, false)).height();
    const int hl =
        QFontMetrics(sized_font(base, editor->large_size, editor->family, false)).height();
    editor->line_edit->setGeometry(content);
    editor->line_edit->setTextMargins(editor->icon_inset + 4, hs, 0, 0);
    const int label_x = content.left() + editor->icon_inset + 4;
    editor->label_rest = QPoint(label_x, (editor->height() - hl) / 2);
    editor->label_float = QPoint(label_x, in[1] < 3 ? 0 : in[1] - 3);
    editor->placeholder_label->resize(std::max(0, content.width() - editor->icon_inset - 4), hl);
    if (editor->icon_inset > 0 && editor->lead_icon != nullptr) {
        editor->lead_icon->setGeometry(content.left() + 4,
                                       (editor->height() - editor->icon_size) / 2,
                                       editor->icon_size, editor->icon_size);
    }
    editor->place_label(editor->label_progress);
}

namespace {

// The leading icon is drawn by the icon widget; without an icon source the
// text starts at the inset.
void configure_lead_icon(EditorWidget* editor, const NodeStyle& style) {
    if (style.source.empty()) {
        if (editor->lead_icon != nullptr) editor->lead_icon->hide();
        editor->icon_inset = 0;
        return;
    }
    if (editor->lead_icon == nullptr) {
        editor->lead_icon = new IconWidget(style.source, editor);
        editor->lead_icon->opacity = 0.5;
    } else {
        editor->lead_icon->set_source(style.source);
    }
    editor->lead_icon->tint = style.text_color;
    editor->lead_icon->refresh();
    editor->lead_icon->raise();
    editor->lead_icon->show();
    editor->icon_size = px(editor->large_size * 1.15 + 0.5);
    editor->icon_inset = editor->icon_size + px(editor->large_size * 0.4 + 0.5);
}

QString color_rule(const std::string& colour) {
    return colour.empty() ? QString() : " color: " + QString::fromStdString(colour) + ";";
}

void configure_multiline(EditorWidget* editor, const NodeStyle& style,
                         const std::string& placeholder, const QString& text, bool first) {
    editor->multiline = true;
    if (editor->text_edit == nullptr) {
        auto* edit = new QTextEdit(editor);
        edit->setFrameShape(QFrame::NoFrame);
        edit->setAcceptRichText(false);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        style_thin_scroll_bars(*edit);
        edit->viewport()->setAutoFillBackground(false);
        QObject::connect(edit, &QTextEdit::textChanged, editor,
                         [editor] { editor->on_text_edit_changed(); });
        editor->text_edit = edit;
    }
    QTextEdit* edit = editor->text_edit;
    editor->line_edit->hide();
    editor->placeholder_label->hide();
    edit->show();
    edit->setReadOnly(style.read_only);
    edit->setLineWrapMode(style.wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit->setHorizontalScrollBarPolicy(style.wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    edit->setStyleSheet("QTextEdit { background: transparent; border: none;" +
                        color_rule(style.text_color) + " }");
    edit->setFont(sized_font(edit->font(), editor->large_size, editor->family, false));
    edit->setPlaceholderText(QString::fromStdString(placeholder));
    QColor hint = color_from(style.text_color);
    if (!hint.isValid()) hint = edit->palette().color(QPalette::WindowText);
    hint.setAlphaF(0.5f);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::All, QPalette::PlaceholderText, hint);
    edit->setPalette(palette);
    if (first ? !text.isEmpty() : text != editor->applied_text) {
        fill_multiline(editor, text);
    }
    editor->applied_text = text;
    layout_editor(editor);
}

void configure_single_line(EditorWidget* editor, const NodeStyle& style,
                           const std::string& placeholder, const QString& text, bool first) {
    QLineEdit* edit = editor->line_edit;
    edit->setStyleSheet("QLineEdit { background: transparent; border: none;" +
                        color_rule(style.text_color) + " }");
    QColor hint = color_from(style.text_color);
    if (!hint.isValid()) hint = editor->placeholder_label->palette().color(QPalette::WindowText);
    editor->placeholder_label->setStyleSheet(
        "background: transparent; color: " +
        QString("rgba(%1, %2, %3, 0.5)").arg(hint.red()).arg(hint.green()).arg(hint.blue()) + ";");
    edit->setEchoMode(style.secret ? QLineEdit::Password : QLineEdit::Normal);
    edit->setReadOnly(style.read_only);
    edit->setFont(sized_font(edit->font(), editor->large_size, editor->family, false));
    editor->placeholder_label->setText(QString::fromStdString(placeholder));
    if (first ? !text.isEmpty() : text != editor->applied_text) {
        // Text already shown stays as it is, and the cursor where it is.
        if (edit->text() != text) edit->setText(text);
        editor->restore_text = text;
    }
    editor->applied_text = text;
    configure_lead_icon(editor, style);
    layout_editor(editor);
    set_label_state(editor, true);
}

}  // namespace

void configure_editor(EditorWidget* editor, const NodeStyle& style, const std::string& placeholder,
                      const std::string& text, bool first) {
    editor->large_size = style.font_size > 0 ? style.font_size : 14.0;
    editor->small_size = std::max(editor->large_size * 0.72, 9.0);
    const int b = px(style.border_thickness);
    for (int i = 0; i < 4; ++i) editor->insets[i] = px(style.padding[i]) + b;
    editor->text = QString::fromStdString(text);
    editor->family = style.font_family;
    if (style.multiline) {
        configure_multiline(editor, style, placeholder, editor->text, first);
    } else {
        if (editor->multiline) {
            // "Multiline" switched off: back to the line edit, which takes
            // the node text again.
            editor->multiline = false;
            editor->text_edit->hide();
            editor->line_edit->show();
            editor->placeholder_label->show();
            editor->applied_text.clear();
            first = true;
        }
        configure_single_line(editor, style, placeholder, editor->text, first);
    }
}

}  // namespace Ostrel
