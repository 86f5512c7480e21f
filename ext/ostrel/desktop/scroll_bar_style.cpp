#include "ext/ostrel/desktop/scroll_bar_style.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace Ostrel {

const QString& thin_scroll_bar_rules() {
    static const QString rules = QStringLiteral(
        " QScrollBar:vertical { background: transparent; width: 10px; margin: 2px; }"
        " QScrollBar:horizontal { background: transparent; height: 10px; margin: 2px; }"
        " QScrollBar::handle { background: rgba(128, 128, 128, 0.45); border-radius: 3px; }"
        " QScrollBar::handle:hover { background: rgba(128, 128, 128, 0.7); }"
        " QScrollBar::handle:vertical { min-height: 24px; }"
        " QScrollBar::handle:horizontal { min-width: 24px; }"
        " QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; }"
        " QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
    return rules;
}

void style_thin_scroll_bars(QAbstractScrollArea& area) {
    area.verticalScrollBar()->setStyleSheet(thin_scroll_bar_rules());
    area.horizontalScrollBar()->setStyleSheet(thin_scroll_bar_rules());
}

}  // namespace Ostrel
