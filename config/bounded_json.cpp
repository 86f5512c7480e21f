#include "config/bounded_json.h"

#include <utility>
#include <vector>

namespace Scribenta {

namespace {

// Builds the document from the parser's events as the library's own builder
// does (a repeated key keeps its first place and takes the last value), but
// stops the parse before it opens an array or object past the bound. The
// pointers on the stack stay valid: a container grows only after its open
// child, the last element, has been closed.
template <typename Json>
class BoundedBuilder {
public:
    explicit BoundedBuilder(Json& root) : root_(root) {}

    bool null() { return put(nullptr); }
    bool boolean(bool value) { return put(value); }
    bool number_integer(typename Json::number_integer_t value) { return put(value); }
    bool number_unsigned(typename Json::number_unsigned_t value) { return put(value); }
    bool number_float(typename Json::number_float_t value, const typename Json::string_t&) {
        return put(value);
    }
    bool string(typename Json::string_t& value) { return put(std::move(value)); }
    bool binary(typename Json::binary_t&) { return false; }  // JSON text has none

    bool start_object(std::size_t) { return open(Json::value_t::object); }
    bool start_array(std::size_t) { return open(Json::value_t::array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(typename Json::string_t& name) {
        slot_ = &(*open_.back())[std::move(name)];
        return true;
    }

    template <typename Exception>
    bool parse_error(std::size_t, const std::string&, const Exception& error) {
        message_ = error.what();
        return false;
    }

    bool too_deep() const { return too_deep_; }
    const std::string& message() const { return message_; }

private:
    template <typename Value>
    bool put(Value&& value) {
        place(Json(std::forward<Value>(value)));
        return true;
    }

    Json* place(Json&& value) {
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Json& parent = *open_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return &parent.back();
        }
        *slot_ = std::move(value);
        return slot_;
    }

    bool open(typename Json::value_t type) {
        if (open_.size() >= static_cast<std::size_t>(kMaxConfigNesting)) {
            too_deep_ = true;
            return false;
        }
        open_.push_back(place(Json(type)));
        return true;
    }

    bool close() {
        open_.pop_back();
        return true;
    }

    Json& root_;
    std::vector<Json*> open_;
    Json* slot_ = nullptr;
    bool too_deep_ = false;
    std::string message_;
};

template <typename Json, typename Input>
ParseStatus parse_with_bound(Input&& input, bool strict, Json& doc, std::string* message) {
    BoundedBuilder<Json> builder(doc);
    bool parsed = false;
    try {
        parsed = Json::sax_parse(std::forward<Input>(input), &builder,
                                 nlohmann::json::input_format_t::json, strict);
    } catch (const std::exception& error) {
        // Only allocation can throw here; report it as the parse's failure.
        if (message) *message = error.what();
        return ParseStatus::Invalid;
    }
    if (parsed) return ParseStatus::Parsed;
    if (builder.too_deep()) {
        if (message) *message = nested_too_deeply_text();
        return ParseStatus::TooDeep;
    }
    if (message) *message = builder.message();
    return ParseStatus::Invalid;
}

template <typename Json>
ParseStatus parse_stream(std::istream& in, Json& doc, std::string* message) {
    return parse_with_bound(in, false, doc, message);
}

template <typename Json>
ParseStatus parse_text(std::string_view text, Json& doc) {
    const ParseStatus status = parse_with_bound(text, true, doc, nullptr);
    if (status != ParseStatus::Parsed) doc = Json::value_t::discarded;
    return status;
}

}  // namespace

std::string nested_too_deeply_text() {
    return "is nested too deeply (more than " + std::to_string(kMaxConfigNesting) + " levels)";
}

ParseStatus parse_config_stream(std::istream& in, nlohmann::json& doc, std::string* message) {
    return parse_stream(in, doc, message);
}

ParseStatus parse_config_stream(std::istream& in, nlohmann::ordered_json& doc,
                                std::string* message) {
    return parse_stream(in, doc, message);
}

ParseStatus parse_config_text(std::string_view text, nlohmann::ordered_json& doc) {
    return parse_text(text, doc);
}

ParseStatus parse_config_text(std::string_view text, nlohmann::json& doc) {
    return parse_text(text, doc);
}

nlohmann::ordered_json parse_config_text(std::string_view text) {
    nlohmann::ordered_json doc;
    parse_config_text(text, doc);
    return doc;
}

}  // namespace Scribenta
