#pragma once

// The thin, neutral scroll bars of scrolling boxes and multi-line editors,
// which read on light and dark fills alike.

#include <QString>

class QAbstractScrollArea;

namespace Ostrel {

// Style sheet rules for QScrollBar, to follow a widget's own rules.
const QString& thin_scroll_bar_rules();

// Gives both scroll bars of `area` the thin look through their own style
// sheets, leaving the area's sheet as it is.
void style_thin_scroll_bars(QAbstractScrollArea& area);

}  // namespace Ostrel
