// Modal overlays: a "Modal" node opens as a frameless, application-modal
// window centred over the main window, above a backdrop that dims the root.
// Only the store closes it: the window system's close (Alt+F4 on the
// dialog) is refused, since it would hide the window while the store still
// shows it, stranding the dimmed root with no dialog to answer.

#include <QEvent>
#include <QVBoxLayout>
#include <QWidget>

#include "ext/ostrel/desktop/control_states.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/modal_scroll.h"
#include "ext/ostrel/desktop/root_container.h"

namespace Ostrel {

void DesktopView::show_modal(const RenderNode& node) {
    // Opening again on the same path first closes the earlier window.
    close_modals_under(node.path);
    erase_registry_run(node.path);
    control_states_->clear_pointer();

    auto* backdrop = new QWidget(root_);
    backdrop->setStyleSheet("background-color: rgba(0, 0, 0, 0.5);");
    backdrop->setGeometry(root_->rect());
    backdrop->show();
    backdrop->raise();

    auto* dialog = new QWidget(root_, Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->installEventFilter(this);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QRect window = root_->window()->geometry();
    layout->addWidget(new ModalScroll(build_subtree(node), window.height()));
    float_node(node);
    dialog->adjustSize();
    dialog->move(window.x() + (window.width() - dialog->width()) / 2,
                 window.y() + (window.height() - dialog->height()) / 2);
    dialog->show();
    modals_[node.path] = ModalEntry{dialog, backdrop};
}

bool DesktopView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        for (const auto& [path, modal] : modals_) {
            if (modal.dialog != watched) continue;
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void DesktopView::close_modals_under(const std::string& path) {
    const std::string prefix = path + "/";
    for (auto it = modals_.lower_bound(path); it != modals_.end();) {
        if (it->first != path && it->first.compare(0, prefix.size(), prefix) != 0) {
            if (it->first > prefix) break;
            ++it;
            continue;
        }
        if (it->second.backdrop) {
            it->second.backdrop->hide();
            it->second.backdrop->deleteLater();
        }
        if (it->second.dialog) {
            it->second.dialog->hide();
            it->second.dialog->deleteLater();
        }
        it = modals_.erase(it);
    }
}

}  // namespace Ostrel
