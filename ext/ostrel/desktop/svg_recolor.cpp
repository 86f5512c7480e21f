#include "ext/ostrel/desktop/svg_recolor.h"

#include <QRegularExpression>
#include <functional>

namespace Ostrel {

namespace {

// Compiled once per process.
const QRegularExpression& exclude_comment() {
    static const QRegularExpression re(R"re(<!--\s*exclude\s*=\s*"([^"]+)"\s*-->)re");
    return re;
}
const QRegularExpression& shape_tag() {
    static const QRegularExpression re(R"re(<(path|circle|rect|ellipse)\b[^>]*>)re");
    return re;
}
const QRegularExpression& id_attribute() {
    static const QRegularExpression re(R"re(id\s*=\s*"([^"]*)")re");
    return re;
}
const QRegularExpression& fill_reference() {
    static const QRegularExpression re(R"re(fill\s*[:=]\s*"?\s*url\(\s*#([^)\s]+))re");
    return re;
}
const QRegularExpression& fill_attribute() {
    static const QRegularExpression re(R"re(fill\s*=\s*"([^"]*)")re");
    return re;
}
const QRegularExpression& gradient_element() {
    static const QRegularExpression re(
        R"re(<(?:linear|radial)Gradient\b[^>]*\bid\s*=\s*"([^"]*)"[^>]*>.*?</(?:linear|radial)Gradient>)re",
        QRegularExpression::DotMatchesEverythingOption);
    return re;
}
const QRegularExpression& stop_style() {
    static const QRegularExpression re(R"re((stop-color\s*:\s*)([^;"']+))re");
    return re;
}
const QRegularExpression& stop_attribute() {
    static const QRegularExpression re(R"re((stop-color\s*=\s*")([^"]*)("))re");
    return re;
}

QSet<QString> excluded_ids(const QString& svg) {
    QSet<QString> ids;
    auto it = exclude_comment().globalMatch(svg);
    while (it.hasNext()) {
        const QStringList words = it.next().captured(1).split(' ', Qt::SkipEmptyParts);
        for (const QString& word : words) ids.insert(word);
    }
    return ids;
}

QString recolor_tag(const QString& tag, const QSet<QString>& excluded, const QString& colour,
                    QSet<QString>& referenced) {
    const QRegularExpressionMatch id = id_attribute().match(tag);
    if (id.hasMatch() && !id.captured(1).isEmpty() && excluded.contains(id.captured(1))) {
        return tag;
    }
    const QRegularExpressionMatch reference = fill_reference().match(tag);
    if (reference.hasMatch()) {
        referenced.insert(reference.captured(1));
        return tag;
    }
    const QRegularExpressionMatch fill = fill_attribute().match(tag);
    if (!fill.hasMatch() || fill.captured(1) == "none" || colour.isEmpty()) return tag;
    QString out = tag;
    out.replace(fill.capturedStart(0), fill.capturedLength(0), "fill=\"" + colour + "\"");
    return out;
}

// The text with every match of re replaced by what rewrite makes of it.
QString rewrite_matches(const QString& text, const QRegularExpression& re,
                        const std::function<QString(const QRegularExpressionMatch&)>& rewrite) {
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += text.mid(copied, match.capturedStart(0) - copied);
        out += rewrite(match);
        copied = match.capturedEnd(0);
    }
    out += text.mid(copied);
    return out;
}

// Every match becomes its first group, the colour and its third group (when
// the pattern has one); written out by hand, so a colour text is never read
// as a back-reference.
QString replace_stops(const QString& text, const QRegularExpression& re, const QString& colour) {
    return rewrite_matches(text, re, [&](const QRegularExpressionMatch& match) {
        return match.captured(1) + colour + match.captured(3);
    });
}

}  // namespace

QByteArray recolor_svg(const QString& svg, const std::string& colour_text) {
    const QString colour = QString::fromStdString(colour_text);
    const QSet<QString> excluded = excluded_ids(svg);
    QSet<QString> referenced;
    QString out = rewrite_matches(svg, shape_tag(), [&](const QRegularExpressionMatch& match) {
        return recolor_tag(match.captured(0), excluded, colour, referenced);
    });
    if (!referenced.isEmpty() && !colour.isEmpty()) {
        out = recolor_gradients(out, referenced, colour_text);
    }
    return out.toUtf8();
}

QString recolor_gradients(const QString& svg, const QSet<QString>& ids,
                          const std::string& colour_text) {
    const QString colour = QString::fromStdString(colour_text);
    return rewrite_matches(svg, gradient_element(), [&](const QRegularExpressionMatch& match) {
        QString gradient = match.captured(0);
        if (ids.contains(match.captured(1))) {
            gradient = replace_stops(gradient, stop_style(), colour);
            gradient = replace_stops(gradient, stop_attribute(), colour);
        }
        return gradient;
    });
}

}  // namespace Ostrel
