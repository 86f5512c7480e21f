#include "ext/ostrel/layers/tree.h"

#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/lstyle.h"

namespace Layers {

namespace {

template <typename Container>
Container split_into(const std::string& text, char delimiter) {
    Container pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(delimiter, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

template <typename T>
void collect_of_class(LObject* object, bool recursive, std::vector<T*>& out) {
    for (auto& child : object->children()) {
        if (auto* found = dynamic_cast<T*>(child.get())) out.push_back(found);
        if (recursive) collect_of_class(child.get(), true, out);
    }
}

}  // namespace

std::deque<std::string> split_segments(const std::string& text, char delimiter) {
    return split_into<std::deque<std::string>>(text, delimiter);
}

std::vector<std::string> split_at(const std::string& text, char delimiter) {
    return split_into<std::vector<std::string>>(text, delimiter);
}

LObject* top_level_style(LObject* object) {
    if (!object) return nullptr;
    LObject* current = object;
    while (true) {
        auto* parent = dynamic_cast<LStyle*>(current->parent());
        if (!parent || !dynamic_cast<LStyle*>(parent->parent())) return current;
        current = parent;
    }
}

LStyle* parent_style(LObject* object) {
    return object ? dynamic_cast<LStyle*>(object->parent()) : nullptr;
}

std::vector<LStyle*> collect_descendants(LObject* object, bool recursive) {
    std::vector<LStyle*> out;
    if (object) collect_of_class(object, recursive, out);
    return out;
}

std::vector<LAttribute*> collect_attributes(LObject* object, bool recursive) {
    std::vector<LAttribute*> out;
    if (object) collect_of_class(object, recursive, out);
    return out;
}

std::map<std::string, LAttribute*> attributes_by_name(LStyle* style) {
    std::map<std::string, LAttribute*> out;
    if (!style) return out;
    for (auto& child : style->children()) {
        if (auto* attribute = dynamic_cast<LAttribute*>(child.get())) {
            out[attribute->name()] = attribute;
        }
    }
    return out;
}

std::map<std::string, LStyle*> child_styles_by_name(LStyle* style) {
    std::map<std::string, LStyle*> out;
    if (!style) return out;
    const auto own_file = style->source_path().filename();
    for (auto& child : style->children()) {
        auto* child_style = dynamic_cast<LStyle*>(child.get());
        if (child_style && child_style->source_path().filename() == own_file) {
            out[child_style->name()] = child_style;
        }
    }
    return out;
}

}  // namespace Layers
