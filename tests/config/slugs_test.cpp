#include <gtest/gtest.h>

#include "config/scribenta_config.h"

using namespace Scribenta;

TEST(Slugs, Slugify) {
    struct Case {
        std::string text, slug;
    } cases[] = {
        {"  Hello, World!  ", "hello-world"},
        {"Release 2.0 Notes", "release-2-0-notes"},
        {"---", ""},
        {"", ""},
        {"\xC3\x9C"
         "ber Stra\xC3\x9F"
         "e",
         "ber-stra-e"},  // "Über Straße"
        {"API_v2--beta", "api-v2-beta"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(slugify(c.text), c.slug) << c.text;
        EXPECT_EQ(is_valid_slug(c.slug), !c.slug.empty()) << c.slug;
    }
}

TEST(Slugs, IsValidSlug) {
    struct Case {
        std::string slug;
        bool valid;
    } cases[] = {
        {"a", true},    {"a1-b2", true}, {"2024", true},  {"", false},
        {"-a", false},  {"a-", false},   {"a--b", false}, {"A", false},
        {"a_b", false}, {"a b", false},  {"a.b", false},  {"a/b", false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_valid_slug(c.slug), c.valid) << c.slug;
}

TEST(Slugs, PlainFolderName) {
    struct Case {
        std::string name;
        bool plain;
    } cases[] = {
        {"core-api", true}, {"..-api", true},
        {"v1.2", true},     {"", false},
        {".", false},       {"..", false},
        {"../evil", false}, {"a/b-api", false},
        {"a\\b", false},    {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_plain_folder_name(c.name), c.plain) << c.name;
    EXPECT_EQ(folder_name_error("../x-api"), "Cannot use '../x-api' as a project folder name.");
}
