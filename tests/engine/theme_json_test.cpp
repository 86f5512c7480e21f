#include <gtest/gtest.h>

#include <string>

#include "ext/ostrel/engine/theme_json.h"

namespace {

using nlohmann::ordered_json;

// `levels` objects, each holding the next under "a", around `inner`, which
// so starts `levels` deep.
std::string nest(int levels, const std::string& inner) {
    std::string text;
    for (int i = 0; i < levels; ++i) text += R"({"a":)";
    return text + inner + std::string(levels, '}');
}

struct DocumentCase {
    std::string text;
    std::string dump;  // the document written back compactly
};

void expect_documents(const std::vector<DocumentCase>& cases) {
    for (const auto& c : cases) {
        ordered_json doc;
        ASSERT_TRUE(Ostrel::parse_theme_document(c.text, doc)) << c.text.substr(0, 400);
        EXPECT_EQ(doc.dump(), c.dump) << c.text.substr(0, 400);
    }
}

TEST(ThemeJson, ArraysAndObjectsStartingSixtyFourDeepAreLeftOut) {
    expect_documents({
        {nest(63, R"({"x": 1})"), nest(63, R"({"x":1})")},
        {nest(64, R"({"x": 1})"), nest(63, "{}")},
        {nest(64, "[1]"), nest(63, "{}")},
        // Elements go one by one; scalars that deep stay.
        {nest(63, R"([1, {}, [2], "s", {"b": 3}])"), nest(63, R"([1,"s"])")},
        // A dropped member goes with its key; its siblings keep their order.
        {nest(63, R"({"x": 1, "deep": {"y": [2]}, "z": [], "w": 3})"),
         nest(63, R"({"x":1,"w":3})")},
        // It takes the value its key held before along, and the key given
        // again afterwards comes last.
        {nest(63, R"({"d": 1, "x": 2, "d": {}})"), nest(63, R"({"x":2})")},
        {nest(63, R"({"d": 1, "x": 2, "d": [], "d": 3})"), nest(63, R"({"x":2,"d":3})")},
        // Thousands of levels cost no more than their characters.
        {nest(62, std::string(100000, '[') + std::string(100000, ']')), nest(62, "[[]]")},
        {"[" + nest(100000, "1") + ", 2]", "[" + nest(62, "{}") + ",2]"},
    });
}

TEST(ThemeJson, OrdinaryTextParsesAsTheLibraryParsesIt) {
    expect_documents({
        // A repeated key keeps its first place and takes the last value.
        {R"({"a": 1, "b": {"c": 2, "c": [3]}, "a": "x"})", R"({"a":"x","b":{"c":[3]}})"},
        {R"([true, false, null, "s\u00e9", -0.5e1, {}, []])",
         R"([true,false,null,"sé",-5.0,{},[]])"},
        {R"("just text")", R"("just text")"},
        {" 7 \n", "7"},
        {"null", "null"},
    });
}

TEST(ThemeJson, NumbersKeepTheLibrarysKinds) {
    const struct {
        const char* text;
        ordered_json::value_t kind;
    } cases[] = {
        {"1", ordered_json::value_t::number_unsigned},
        {"18446744073709551615", ordered_json::value_t::number_unsigned},
        {"-1", ordered_json::value_t::number_integer},
        {"1.0", ordered_json::value_t::number_float},
        {"1e2", ordered_json::value_t::number_float},
        {"-9223372036854775809", ordered_json::value_t::number_float},
    };
    for (const auto& c : cases) {
        ordered_json doc;
        ASSERT_TRUE(Ostrel::parse_theme_document(c.text, doc)) << c.text;
        EXPECT_EQ(doc.type(), c.kind) << c.text;
        EXPECT_EQ(doc, ordered_json::parse(c.text)) << c.text;
    }
}

TEST(ThemeJson, InvalidTextGivesTheDiscardedValue) {
    const std::string cases[] = {
        "",
        "{",
        R"({"a": 1,})",
        R"({"a": 1} x)",
        "{}{}",
        "1e400",
        // A value left out is still read to its end.
        nest(64, "[1,]"),
        nest(64, "[[[") + "}",
    };
    for (const auto& text : cases) {
        ordered_json doc = 5;
        EXPECT_FALSE(Ostrel::parse_theme_document(text, doc)) << text.substr(0, 400);
        EXPECT_TRUE(doc.is_discarded()) << text.substr(0, 400);
    }
}

}  // namespace
