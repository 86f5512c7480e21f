#include <gtest/gtest.h>

#include "ext/ostrel/engine/theme_info.h"

namespace {

using Layers::LValue;
using Ostrel::ThemeInfo;

struct DisplayNameCase {
    const char* text;
    const char* display_name;
};

TEST(ThemeInfo, DisplayNamePrefersPublisherThenUuid) {
    const DisplayNameCase cases[] = {
        {R"({"Midnight": {"_meta": {"publisher": "acme", "uuid": "u1"}}})", "Midnight (acme)"},
        {R"({"Midnight": {"_meta": {"uuid": "u1"}}})", "Midnight (u1)"},
        {R"({"Midnight": {"_meta": {"publisher": 7}}})", "Midnight"},
        {R"({"Midnight": {}})", "Midnight"},
        {R"(["x"])", "0"},
        {R"("just text")", ""},
    };
    for (const auto& c : cases) {
        ThemeInfo info;
        ASSERT_TRUE(Ostrel::parse_theme_json(c.text, info)) << c.text;
        EXPECT_EQ(info.display_name(), c.display_name) << c.text;
    }
}

TEST(ThemeInfo, VariablesConvertByKindAndMetaIsNoVariable) {
    ThemeInfo info;
    ASSERT_TRUE(Ostrel::parse_theme_json(
        R"({"T": {"Primary": "#111", "Gradient": ["0:#000", 3, "1:#fff"], "Accent": true,
                  "Size": 2, "Nothing": null, "Obj": {"a": 1},
                  "_meta": {"publisher": "p", "type": "dark", "extra": 1}},
            "Ignored": {"Primary": "#222"}})",
        info));
    EXPECT_EQ(info.name, "T");
    EXPECT_EQ(info.type, "dark");
    EXPECT_EQ(info.variables.size(), 6u);
    EXPECT_EQ(info.variables.at("Primary"), LValue(std::string("#111")));
    EXPECT_EQ(info.variables.at("Gradient"), LValue(std::vector<std::string>{"0:#000", "1:#fff"}));
    EXPECT_EQ(info.variables.at("Accent"), LValue(true));
    EXPECT_EQ(info.variables.at("Size"), LValue(2.0));
    EXPECT_EQ(info.variables.at("Nothing").index(), Layers::kEmpty);
    EXPECT_EQ(info.variables.at("Obj").index(), Layers::kEmpty);
    EXPECT_EQ(info.string_var("Primary"), "#111");
    EXPECT_EQ(info.string_var("Gradient"), "");
    EXPECT_EQ(info.string_var("Missing"), "");
    EXPECT_EQ(info.find_var("Missing"), nullptr);
}

TEST(ThemeInfo, TextsWithoutAFirstItemLeaveTheRecordUnchanged) {
    for (const char* text : {"", "{", "null", "{}", "[]", "not json", "{\"a\": }"}) {
        ThemeInfo info;
        info.name = "kept";
        EXPECT_FALSE(Ostrel::parse_theme_json(text, info)) << text;
        EXPECT_EQ(info.name, "kept") << text;
    }
}

TEST(ThemeInfo, ValuesNestedThousandsDeepAreLeftOutAndTheRestLoads) {
    // Parsed whole, this overflowed the stack.
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    ThemeInfo info;
    ASSERT_TRUE(Ostrel::parse_theme_json(
        R"({"T": {"Primary": "#111", "Deep": )" + deep + R"(, "Secondary": "#222"}})", info));
    EXPECT_EQ(info.name, "T");
    EXPECT_EQ(info.string_var("Primary"), "#111");
    EXPECT_EQ(info.string_var("Secondary"), "#222");
    EXPECT_EQ(info.variables.at("Deep"), LValue(std::vector<std::string>{}));
}

TEST(ThemeInfo, DefaultVariablesInOrder) {
    const auto& defaults = Ostrel::default_theme_variables();
    ASSERT_EQ(defaults.size(), 5u);
    const char* names[] = {"Foreground", "Gradient", "Primary", "Secondary", "Tertiary"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(defaults[i].name, names[i]);
    EXPECT_EQ(defaults[0].value, LValue(std::string("#e3e3e3")));
    EXPECT_EQ(defaults[1].value, LValue(std::vector<std::string>{"0:#3a3c42", "1:#42454d"}));
    EXPECT_EQ(defaults[3].value, LValue(std::string("#2f3136")));
    EXPECT_EQ(defaults[4].value, LValue(std::string("#25272b")));
}

}  // namespace
