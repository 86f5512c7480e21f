#include "ext/ostrel/desktop/icon_widget.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/svg_recolor.h"
#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

namespace {

constexpr int kFrameMs = 16;

}  // namespace

IconWidget::IconWidget(std::string name, QWidget* parent)
    : QWidget(parent), icon_name(std::move(name)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    renderer = new QSvgRenderer(this);
    load();
}

IconWidget::~IconWidget() = default;

void IconWidget::load() {
    svg_text = read_icon_svg(icon_name);
    animation.reset();
    if (svg_text.isEmpty()) return;
    animation = AnimatedSvg::parse(svg_text.toStdString());
    if (AnimatedSvg::is_animated(animation)) {
        clock.start();
        frame_timer = new QTimer(this);
        frame_timer->setInterval(kFrameMs);
        connect(frame_timer, &QTimer::timeout, this, [this] { refresh(); });
        frame_timer->start();
    }
}

void IconWidget::set_source(const std::string& name) {
    if (name == icon_name) return;
    icon_name = name;
    if (frame_timer != nullptr) {
        frame_timer->stop();
        frame_timer->deleteLater();
        frame_timer = nullptr;
    }
    load();
    refresh();
}

void IconWidget::set_fit(const std::string& value) {
    if (value == fit) return;
    fit = value;
    update();
}

void IconWidget::refresh() {
    QString frame = svg_text;
    if (AnimatedSvg::is_animated(animation)) {
        frame = QString::fromStdString(
            AnimatedSvg::frame_text(animation, static_cast<double>(clock.elapsed())));
    }
    renderer->load(recolor_svg(frame, tint));
    update();
}

void IconWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    if (!renderer->isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (opacity != 1) painter.setOpacity(opacity < 0 ? 0 : opacity);
    QRectF target = rect();
    const QSize natural = renderer->defaultSize();
    if (!fit.empty() && !natural.isEmpty()) {
        const Qt::AspectRatioMode mode = fit == "Contain" || fit == "Aspect"
                                             ? Qt::KeepAspectRatio
                                             : Qt::KeepAspectRatioByExpanding;
        const QSizeF scaled = QSizeF(natural).scaled(QSizeF(size()), mode);
        target = QRectF(QPointF((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                        scaled);
        if (!QRectF(rect()).contains(target)) painter.setClipRect(rect());
    }
    if (rotation != 0) {
        const QPointF centre = QRectF(rect()).center();
        painter.translate(centre);
        painter.rotate(rotation);
        painter.translate(-centre);
    }
    renderer->render(&painter, target);
}

void apply_icon_size(IconWidget* icon, const NodeStyle& style) {
    const QSize natural = icon->renderer->isValid() ? icon->renderer->defaultSize() : QSize();
    fix_proportional_size(icon, style.width, style.height, natural);
}

}  // namespace Ostrel
