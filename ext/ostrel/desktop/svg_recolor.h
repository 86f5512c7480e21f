#pragma once

// Tinting monochrome SVG icons and images to a text colour.

#include <QByteArray>
#include <QSet>
#include <QString>
#include <string>

namespace Ostrel {

// Gives every path, circle, rect and ellipse with a fill attribute (other
// than "none") the colour, except elements listed in an exclusion comment
// (<!-- exclude="id1 id2" -->); elements filled from a gradient keep their
// fill and the gradient's stops take the colour. An empty colour changes
// nothing. The result is UTF-8.
QByteArray recolor_svg(const QString& svg, const std::string& colour);

// The stop colours (attribute and style forms) of the linear and radial
// gradients whose id is in ids become the colour.
QString recolor_gradients(const QString& svg, const QSet<QString>& ids, const std::string& colour);

}  // namespace Ostrel
