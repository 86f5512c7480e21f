// Icon, image, video, Markdown and QR nodes.

#include <QWidget>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/icon_widget.h"
#include "ext/ostrel/desktop/image_widget.h"
#include "ext/ostrel/desktop/markdown_widget.h"
#include "ext/ostrel/desktop/qr_widget.h"
#include "ext/ostrel/desktop/video_widget.h"

namespace Ostrel {

namespace {

void configure_icon(IconWidget* icon, const NodeStyle& style) {
    icon->set_fit(style.fit);
    icon->tint = style.text_color;
    icon->refresh();
    icon->set_source(style.source);
    icon->rotation = style.rotation;
    icon->update();
}

}  // namespace

QWidget* DesktopView::create_media_widget(const RenderNode& node, DNode& entry) {
    const NodeStyle& style = node.style;
    switch (node.kind) {
        case NodeKind::Icon: {
            auto* icon = new IconWidget(style.source);
            configure_icon(icon, style);
            apply_icon_size(icon, style);
            entry.icon = icon;
            return icon;
        }
        case NodeKind::Image: {
            auto* image = new ImageWidget(style);
            image->set_source(style.media_source);
            apply_media_size(image, style);
            entry.media = image;
            return image;
        }
        case NodeKind::Video: {
            auto* video = new VideoWidget(style);
            video->set_source(style.media_source);
            apply_media_size(video, style);
            add_video(video);
            entry.media = video;
            return video;
        }
        case NodeKind::Markdown: {
            auto* markdown = new MarkdownWidget();
            apply_markdown_style(markdown, style);
            markdown->set_markdown(QString::fromStdString(node.text));
            entry.markdown = markdown;
            return markdown;
        }
        case NodeKind::QR: {
            auto* qr = new QrWidget();
            qr->style = style;
            qr->set_data(style.data);
            apply_fixed_size(qr, style);
            entry.qr = qr;
            return qr;
        }
        default: {
            auto* widget = new QWidget();
            apply_fixed_size(widget, style);
            return widget;
        }
    }
}

void DesktopView::update_media(DNode& entry, const RenderNode& node) {
    const NodeStyle& style = node.style;
    if (entry.media != nullptr) {
        entry.media->apply_style(style);
        entry.media->set_source(style.media_source);
    }
    if (entry.qr != nullptr) {
        entry.qr->style = style;
        entry.qr->update();
        entry.qr->set_data(style.data);
    }
    if (entry.markdown != nullptr) {
        apply_markdown_style(entry.markdown, style);
        entry.markdown->set_markdown(QString::fromStdString(node.text));
    }
    if (entry.icon != nullptr) configure_icon(entry.icon, style);
}

bool DesktopView::update_media_size(DNode& entry, const NodeStyle& style) {
    if (entry.icon != nullptr) {
        apply_icon_size(entry.icon, style);
        return true;
    }
    if (entry.media != nullptr) {
        apply_media_size(entry.media, style);
        return true;
    }
    // A Markdown widget's height follows its document.
    return entry.markdown != nullptr;
}

void DesktopView::apply_media_opacity(DNode& entry) {
    if (entry.icon != nullptr && entry.icon->opacity != entry.opacity) {
        entry.icon->opacity = entry.opacity;
        entry.icon->update();
    }
    if (entry.media != nullptr && entry.media->opacity != entry.opacity) {
        entry.media->opacity = entry.opacity;
        entry.media->update();
    }
    if (entry.qr != nullptr && entry.qr->opacity != entry.opacity) {
        entry.qr->opacity = entry.opacity;
        entry.qr->update();
    }
}

}  // namespace Ostrel
