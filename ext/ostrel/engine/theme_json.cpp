#include "ext/ostrel/engine/theme_json.h"

#include <cstddef>
#include <exception>
#include <map>
#include <utility>
#include <vector>

namespace Ostrel {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kMaxThemeDepth = 64;

// Builds the document from the parser's events. Each open array or object
// is built apart and moved into its parent when it closes, so no value is
// ever copied (an ordered object copies its members whole each time it
// grows), and a repeated key is found through an index instead of a scan
// of the object. A value that starts too deep is read to its end for the
// syntax check and then dropped.
class ThemeBuilder {
public:
    explicit ThemeBuilder(Json& root) : root_(root) {}

    bool null() { return put(nullptr); }
    bool boolean(bool value) { return put(value); }
    bool number_integer(Json::number_integer_t value) { return put(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return put(value); }
    bool number_float(Json::number_float_t value, const Json::string_t&) { return put(value); }
    bool string(Json::string_t& value) { return put(std::move(value)); }
    bool binary(Json::binary_t&) { return false; }  // JSON text has none

    bool start_object(std::size_t) { return open(Json::value_t::object); }
    bool start_array(std::size_t) { return open(Json::value_t::array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(Json::string_t& name) {
        if (skipping_ == 0) open_.back().key = std::move(name);
        return true;
    }

    template <typename Exception>
    bool parse_error(std::size_t, const std::string&, const Exception&) {
        return false;
    }

private:
    struct Open {
        Json value;  // the array as it grows; the object once it closes
        std::vector<std::pair<Json::string_t, Json>> members;  // dropped ones discarded
        std::map<Json::string_t, std::size_t> places;          // each kept key's member
        Json::string_t key;                                    // the member whose value is next
    };

    template <typename Value>
    bool put(Value&& value) {
        if (skipping_ == 0) place(Json(std::forward<Value>(value)));
        return true;
    }

    bool open(Json::value_t type) {
        if (skipping_ > 0 || open_.size() >= kMaxThemeDepth) {
            ++skipping_;
        } else {
            open_.push_back(Open{Json(type), {}, {}, {}});
        }
        return true;
    }

    bool close() {
        if (skipping_ > 0) {
            if (--skipping_ == 0) drop();
            return true;
        }
        Json value = finish(open_.back());
        open_.pop_back();
        place(std::move(value));
        return true;
    }

    void place(Json&& value) {
        if (open_.empty()) {
            root_ = std::move(value);
            return;
        }
        Open& parent = open_.back();
        if (parent.value.is_array()) {
            parent.value.push_back(std::move(value));
            return;
        }
        const auto [at, added] = parent.places.try_emplace(parent.key, parent.members.size());
        if (added) {
            parent.members.emplace_back(std::move(parent.key), std::move(value));
        } else {
            parent.members[at->second].second = std::move(value);
        }
    }

    // A dropped member takes along the value its key held before, as the
    // library's own parser does when a callback discards the member.
    void drop() {
        Open& parent = open_.back();
        if (parent.value.is_array()) return;
        const auto at = parent.places.find(parent.key);
        if (at == parent.places.end()) return;
        parent.members[at->second].second = Json(Json::value_t::discarded);
        parent.places.erase(at);
    }

    static Json finish(Open& done) {
        if (done.value.is_array()) return std::move(done.value);
        // The keys are unique already, so the members are appended without
        // the ordered object's own scan for an equal key.
        auto& object = done.value.get_ref<Json::object_t&>();
        object.reserve(done.places.size());
        for (auto& [key, value] : done.members) {
            if (!value.is_discarded()) object.emplace_back(std::move(key), std::move(value));
        }
        return std::move(done.value);
    }

    Json& root_;
    std::vector<Open> open_;
    std::size_t skipping_ = 0;  // arrays and objects open inside a dropped value
};

}  // namespace

bool parse_theme_document(const std::string& text, Json& doc) {
    try {
        ThemeBuilder builder(doc);
        if (Json::sax_parse(text, &builder, Json::input_format_t::json, /*strict=*/true)) {
            return true;
        }
    } catch (const std::exception&) {
        // Only allocation can throw here; the theme then does not load.
    }
    doc = Json(Json::value_t::discarded);
    return false;
}

}  // namespace Ostrel
