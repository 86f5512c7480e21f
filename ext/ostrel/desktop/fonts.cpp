#include "ext/ostrel/desktop/fonts.h"

#include <QString>
#include <algorithm>

namespace Ostrel {

void apply_font_family(QFont& font, const std::string& family) {
    if (family.empty()) return;
    if (family == "monospace") font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    font.setFamily(QString::fromStdString(family));
}

QFont::Weight font_weight(double weight) {
    if (!(weight > 0)) return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(static_cast<int>(weight), 1, 1000));
}

}  // namespace Ostrel
