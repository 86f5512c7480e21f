#include <cstdint>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "file_json.h"
#include "size_limit.h"
#include "temp_dir.h"

using namespace Scribenta;
using ordered_json = nlohmann::ordered_json;
using Strings = std::vector<std::string>;

namespace {

const char* const kThreeSections =
    R"({"title":"Docs","home":{"sections":[{"type":"description"},{"type":"projects"},)"
    R"({"type":"socials"}]},"footer_links":[]})";

}  // namespace

TEST(HomeSections, TypesOfObjectSectionsInListOrder) {
    struct Case {
        const char* text;
        Strings types;
    } cases[] = {
        {kThreeSections, {"description", "projects", "socials"}},
        {R"({"home": {"sections": ["x", {"id": "a"}, {"type": 3}, {"type": "custom"}]}})",
         {"", "", "custom"}},
        {R"({"home": {"sections": {"type": "x"}}})", {}},
        {R"({"home": "text"})", {}},
        {R"({"title": "no home"})", {}},
        {R"([{"type": "x"}])", {}},
        {R"({"home": {"sections": [{"type": "x"})", {}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(home_section_types(dir.write(".scribenta-site", c.text).string()), c.types)
            << c.text;
    }
    EXPECT_EQ(home_section_types((dir / "missing").string()), Strings{});
}

TEST(HomeSections, UniqueIdCountsUpFromTwo) {
    struct Case {
        const char* text;
        const char* base;
        const char* id;
    } cases[] = {
        {R"({"home":{"sections":[{"id":"faq"},{"id":"faq-2"}]}})", "faq", "faq-3"},
        {R"({"home":{"sections":[{"id":"faq-2"}]}})", "faq", "faq"},
        {R"({"home":{"sections":[{"id":"faq"},{"id":"faq-3"}]}})", "faq", "faq-2"},
        {kThreeSections, "", "section"},
        {R"({"home":{"sections":[{"id":"section"}]}})", "", "section-2"},
        {R"({"home":{"sections":[{"id":"Faq"},{"id":7},"faq"]}})", "faq", "faq"},
        {R"({"home":"faq"})", "faq", "faq"},
        // A file cut short still names the ids read before the break.
        {R"({"home":{"sections":[{"id":"faq"},{"id":)", "faq", "faq-2"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(unique_home_section_id(dir.write(".scribenta-site", c.text).string(), c.base),
                  c.id)
            << c.text;
    }
    EXPECT_EQ(unique_home_section_id((dir / "missing").string(), "faq"), "faq");
}

TEST(HomeSections, FragmentIsCreatedOnceWithItsPlaceholder) {
    TempDir dir;
    const auto fragment = dir / "content-fragments" / "faq_home.html";
    EXPECT_EQ(create_home_fragment(dir.path(), "faq"), "/content-fragments/faq_home.html");
    EXPECT_EQ(TempDir::read(fragment),
              "<section>\n  <div class=\"section_content slim\">\n    <p>New custom section "
              "\xE2\x80\x94 edit content-fragments/faq_home.html.</p>\n  </div>\n</section>\n");

    dir.write("content-fragments/faq_home.html", "<p>edited</p>");
    EXPECT_EQ(create_home_fragment(dir.path(), "faq"), "/content-fragments/faq_home.html");
    EXPECT_EQ(TempDir::read(fragment), "<p>edited</p>");
}

TEST(HomeSections, FragmentThatCannotBeWrittenGivesNoReferenceAndNoFile) {
    TempDir dir;
    dir.write("content-fragments", "a file where the folder should be");
    EXPECT_EQ(create_home_fragment(dir.path(), "faq"), "");

    TempDir other;
    EXPECT_FALSE(run_with_file_size_limit(
        16, [&] { return !create_home_fragment(other.path(), "faq").empty(); }));
    EXPECT_FALSE(std::filesystem::exists(other / "content-fragments" / "faq_home.html"));
    EXPECT_EQ(other.entry_count(), 1u) << "only the folder, no half-written fragment";
}

TEST(HomeSections, FragmentIdMustBeOnePlainFileName) {
    // The site lies one level down so that an escape would land inside the
    // temporary folder, where it can be seen.
    TempDir dir;
    const auto site = dir / "site";
    std::filesystem::create_directories(site);
    for (const std::string& id :
         Strings{"../../outside", "../faq", "a/b", "a\\b", "..", ".", "", std::string("x\0y", 3)}) {
        EXPECT_EQ(create_home_fragment(site, id), "") << id;
    }
    EXPECT_EQ(dir.entry_count(), 1u) << "nothing is created, inside the site or outside it";

    EXPECT_EQ(create_home_fragment(site, "faq.v2"), "/content-fragments/faq.v2_home.html");
}

TEST(HomeSections, AddAppendsACopyMakingTheListWhereNeeded) {
    const ordered_json custom = {{"type", "custom"},
                                 {"id", "faq"},
                                 {"label", "FAQ"},
                                 {"body", "/content-fragments/faq_home.html"}};
    const std::string added =
        R"({"type":"custom","id":"faq","label":"FAQ","body":"/content-fragments/faq_home.html"})";
    struct Case {
        const char* before;
        std::string after;
    } cases[] = {
        {kThreeSections,
         R"({"title":"Docs","home":{"sections":[{"type":"description"},{"type":"projects"},)"
         R"({"type":"socials"},)" +
             added + R"(]},"footer_links":[]})"},
        {R"({"home":"text","x":1})", R"({"home":{"sections":[)" + added + R"(]},"x":1})"},
        {R"({"home":{"hero":1,"sections":null}})",
         R"({"home":{"hero":1,"sections":[)" + added + "]}}"},
        {R"({"title":"T"})", R"({"title":"T","home":{"sections":[)" + added + "]}}"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto site = dir.write(".scribenta-site", c.before);
        EXPECT_TRUE(add_home_section_to_config(site.string(), custom)) << c.before;
        EXPECT_EQ(compact(site), c.after) << c.before;
    }
    TempDir dir;
    for (const char* bad : {"[]", "{", ""}) {
        auto site = dir.write(".scribenta-site", bad);
        EXPECT_FALSE(add_home_section_to_config(site.string(), custom)) << bad;
        EXPECT_EQ(TempDir::read(site), bad);
    }
    EXPECT_FALSE(add_home_section_to_config((dir / "missing").string(), custom));
}

TEST(HomeSections, MoveSwapsNeighboursInsideTheList) {
    struct Case {
        std::size_t index;
        int delta;
        bool moved;
        Strings types;
    } cases[] = {
        {0, +1, true, {"projects", "description", "socials"}},
        {2, -1, true, {"description", "socials", "projects"}},
        {1, 0, true, {"description", "projects", "socials"}},
        {0, -1, false, {}},
        {2, +1, false, {}},
        {3, -1, false, {}},
        {static_cast<std::size_t>(-1), +1, false, {}},
        {static_cast<std::size_t>(INT64_MAX), +1, false, {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto site = dir.write(".scribenta-site", kThreeSections);
        EXPECT_EQ(move_home_section(site.string(), c.index, c.delta), c.moved) << c.index;
        if (c.moved) {
            EXPECT_EQ(home_section_types(site.string()), c.types) << c.index;
        } else {
            EXPECT_EQ(TempDir::read(site), kThreeSections) << c.index;
        }
    }
    TempDir dir;
    auto no_list = dir.write(".scribenta-site", R"({"home":{}})");
    EXPECT_FALSE(move_home_section(no_list.string(), 0, 0));
    EXPECT_EQ(TempDir::read(no_list), R"({"home":{}})");
}

TEST(HomeSections, AFailedWriteLeavesTheSiteConfigAsItWas) {
    TempDir dir;
    const std::string site = dir.write(".scribenta-site", kThreeSections).string();
    EXPECT_FALSE(run_with_file_size_limit(16, [&] { return move_home_section(site, 0, 1); }));
    EXPECT_FALSE(run_with_file_size_limit(16, [&] {
        return add_home_section_to_config(site, {{"type", "socials"}});
    }));
    EXPECT_EQ(TempDir::read(site), kThreeSections);
    EXPECT_EQ(dir.entry_count(), 1u);
}
