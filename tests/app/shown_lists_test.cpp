// Which list an edit addresses an entry of, and whether a list in the file
// is still the one the form shows.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/shown_lists.h"

namespace Scribenta {
namespace {

TEST(ShownLists, TheListAnEditAddresses) {
    const struct {
        const char* pointer;
        std::optional<std::string> list;
    } cases[] = {
        {"/title", std::nullopt},
        {"/branding/logo_height", std::nullopt},
        {"/facts/1/value", "/facts"},
        {"/build/topics/0/label", "/build/topics"},
        {"/facts/-", "/facts"},
        {"/home/sections/12", "/home/sections"},
        {"/a1/b", std::nullopt},  // digits among letters name a member
        {"/0/x", ""},             // an entry of the document itself
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(addressed_list(c.pointer), c.list) << c.pointer;
    }
}

TEST(ShownLists, SameListWhateverTheMemberOrder) {
    const auto shown = nlohmann::json::parse(
        R"({"title": "A", "facts": [{"label": "x", "value": "1"}, {"label": "y", "n": 2}]})");
    const struct {
        const char* name;
        const char* file;
        bool same;
    } cases[] = {
        {"members reordered, other member changed",
         R"({"facts": [{"value": "1", "label": "x"}, {"n": 2, "label": "y"}], "title": "B"})",
         true},
        {"entry inserted", R"({"facts": [{"label": "z"}, {"label": "x", "value": "1"},
                                         {"label": "y", "n": 2}]})",
         false},
        {"entry's value changed",
         R"({"facts": [{"label": "x", "value": "2"}, {"label": "y", "n": 2}]})", false},
        {"number of another kind", R"({"facts": [{"label": "x", "value": "1"},
                                                 {"label": "y", "n": 2.0}]})",
         false},
        {"list gone", R"({"title": "A"})", false},
        {"not an object", R"([1, 2])", false},
    };
    for (const auto& c : cases) {
        const auto file = nlohmann::ordered_json::parse(c.file);
        EXPECT_EQ(same_list(shown, file, "/facts"), c.same) << c.name;
    }
    // Lacking in both counts as the same.
    EXPECT_TRUE(same_list(nlohmann::json::object(), nlohmann::json::parse("{}"), "/facts"));
}

}  // namespace
}  // namespace Scribenta
