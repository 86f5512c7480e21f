#pragma once

#include <QFont>
#include <string>

namespace Ostrel {

// Sets the family; "monospace" also hints a typewriter font, so a monospaced
// face is found where no font of that name is installed.
void apply_font_family(QFont& font, const std::string& family);

// The weight of a "Font.Weight" value: 400 when not above 0, else clamped to
// Qt's 1..1000.
QFont::Weight font_weight(double weight);

}  // namespace Ostrel
