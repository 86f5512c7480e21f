#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "ext/ostrel/engine/theme_info.h"
#include "tests/support/cpu_time.h"

namespace {

using Layers::LValue;
using Ostrel::ThemeInfo;
using Variables = std::map<std::string, LValue>;

void expect_theme(const ThemeInfo& got, const ThemeInfo& want, const std::string& where) {
    EXPECT_EQ(got.name, want.name) << where;
    EXPECT_EQ(got.publisher, want.publisher) << where;
    EXPECT_EQ(got.uuid, want.uuid) << where;
    EXPECT_EQ(got.type, want.type) << where;
    EXPECT_EQ(got.variables, want.variables) << where;
}

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
    for (const char* text :
         {"", "{", "null", "{}", "[]", "not json", "{\"a\": }", "{\"T\": {}} x", "{\"T\": {}}{}"}) {
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

TEST(ThemeInfo, RepeatedKeysNumbersAndTopLevelListsReadAsBefore) {
    const struct {
        const char* text;
        ThemeInfo expected;
    } cases[] = {
        // A repeated key keeps its first place and takes the last value.
        {R"({"T": {"A": "#1"}, "U": {}, "T": {"A": "#3", "B": 2, "A": "#4"}})",
         {"T", "", "", "", Variables{{"A", std::string("#4")}, {"B", 2.0}}}},
        {R"({"T": {"_meta": {"type": "light"}, "_meta": {"type": "dark", "publisher": "p"}}})",
         {"T", "p", "", "dark", Variables{}}},
        {R"({"T": {"U": 1, "I": -2, "F": 1.5, "E": 1e2, "Max": 18446744073709551615}})",
         {"T", "", "", "",
          Variables{
              {"U", 1.0}, {"I", -2.0}, {"F", 1.5}, {"E", 100.0}, {"Max", 18446744073709551615.0}}}},
        {R"([{"A": "#1"}, {"B": "#2"}])", {"0", "", "", "", Variables{{"A", std::string("#1")}}}},
        {R"([[1, 2]])", {"0", "", "", "", Variables{}}},
    };
    for (const auto& c : cases) {
        ThemeInfo info;
        ASSERT_TRUE(Ostrel::parse_theme_json(c.text, info)) << c.text;
        expect_theme(info, c.expected, c.text);
    }
}

TEST(ThemeInfo, ShippedThemesReadAsTheLibraryParsesThem) {
    int themes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(OSTREL_THEMES_DIR)) {
        if (entry.path().extension() != ".json") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const auto doc = nlohmann::ordered_json::parse(text.str());
        ASSERT_TRUE(doc.is_object() && !doc.empty()) << entry.path();
        const ThemeInfo expected = Ostrel::read_theme_info(doc.begin().key(), doc.begin().value());
        ThemeInfo info;
        ASSERT_TRUE(Ostrel::parse_theme_json(text.str(), info)) << entry.path();
        expect_theme(info, expected, entry.path().string());
        EXPECT_FALSE(info.variables.empty()) << entry.path();
        ++themes;
    }
    EXPECT_GE(themes, 2);
}

// `count` copies of `item` in a list that is the theme's one variable.
std::string theme_with_list(const std::string& item, int count) {
    std::string list;
    for (int i = 0; i < count; ++i) list += (i == 0 ? "" : ",") + item;
    return R"({"T": {"Primary": "#111", "List": [)" + list + "]}}";
}

std::string list_of_empty_objects(int count) {
    return theme_with_list("{}", count);
}

std::string list_of_nested_objects(int count) {
    return theme_with_list(R"({"a": [{"b": {}}, {}]})", count);
}

std::string theme_with_variables(int count) {
    std::string members;
    for (int i = 0; i < count; ++i) members += R"(,"V)" + std::to_string(i) + R"(": 1)";
    return R"({"T": {"Primary": "#111")" + members + "}}";
}

double parse_cost(const std::string& text) {
    ThemeInfo info;
    const double start = test_support::thread_cpu_seconds();
    EXPECT_TRUE(Ostrel::parse_theme_json(text, info));
    return test_support::thread_cpu_seconds() - start;
}

TEST(ThemeInfo, CostOfCraftedThemesGrowsInStepWithTheirSize) {
    // Four times the text should cost about four times as much; a cost
    // growing with the square of the size makes it sixteen. Each parse
    // takes milliseconds; on a busy machine a round may come out high, so
    // the best of up to five rounds counts.
    const struct {
        const char* shape;
        std::string (*make)(int count);
        int count;
    } cases[] = {
        {"empty objects in a list", list_of_empty_objects, 80000},
        {"nested objects in a list", list_of_nested_objects, 12000},
        {"variables", theme_with_variables, 15000},
    };
    constexpr double kBound = 8.0;
    for (const auto& c : cases) {
        const std::string small = c.make(c.count);
        const std::string large = c.make(4 * c.count);
        double small_cost = std::numeric_limits<double>::infinity();
        double large_cost = small_cost;
        for (int round = 0; round < 5 && !(large_cost < kBound * small_cost); ++round) {
            small_cost = std::min(small_cost, parse_cost(small));
            large_cost = std::min(large_cost, parse_cost(large));
        }
        EXPECT_LT(large_cost / small_cost, kBound)
            << c.shape << ": " << small_cost << " s for " << small.size() << " bytes, "
            << large_cost << " s for " << large.size();
    }
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
