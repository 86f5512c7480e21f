// Layer files built to exhaust the loader: each runs in a child process
// under time and memory limits, must finish well inside them with one line
// per skipped member, and must leave the rest of its file and the other
// files loaded. Each CPU limit is about ten times the case's cost in the
// sanitizer build (noted beside it), so a busy machine does not fail a case
// and only a real blow-up does.

#include "tests/layers/helpers.h"
#include "tests/support/limited_child.h"

using namespace Layers;
using namespace layers_test;

namespace {

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// `open` times `head`, then `leaf`, then `close` times `tail`.
std::string nest(const std::string& head, const std::string& leaf, const std::string& tail,
                 int depth) {
    return repeat(head, depth) + leaf + repeat(tail, depth);
}

std::string shown(const std::string& key) {
    return key.size() <= 64 ? key : key.substr(0, 64) + "...";
}

struct HostileCase {
    const char* name;
    std::string member;  // one member of the style "Hostile", beside "Kept"
    std::string report;  // what standard error gets; "{file}" names the file
};

bool loads_around(const HostileCase& c) {
    TempDir dir("hostile");
    const auto file = dir.write("a.json", "{\"Hostile\": {" + c.member + ", \"Kept\": 1}}");
    std::string expected = c.report;
    if (auto at = expected.find("{file}"); at != std::string::npos) {
        expected.replace(at, 6, "\"" + file.string() + "\"");
    }
    dir.write("b.json", R"({"Other": {"Fine": 2}})");
    testing::internal::CaptureStderr();
    load_directory(registry(), dir.path().string(), "");
    const std::string report = testing::internal::GetCapturedStderr();
    auto* hostile = dynamic_cast<LStyle*>(find(registry(), "Hostile"));
    auto* other = dynamic_cast<LStyle*>(find(registry(), "Other"));
    const bool ok = report == expected && hostile != nullptr && hostile->attribute("Kept") &&
                    other != nullptr && other->attribute("Fine");
    if (!ok) fprintf(stderr, "%s reported:\n%s\n", c.name, report.c_str());
    return ok;
}

}  // namespace

TEST(HostileLayers, LimitsSkipTheMemberAndLoadTheRest) {
    const std::string groups24 = repeat("(a,b)", 24);
    const std::string groups12 = repeat("(a,b)", 12);
    const std::string slashes = repeat("a/", 20000) + "a";
    const std::string empty_groups = "x" + repeat("()", 30000);
    const std::string deep_tail = repeat("a/", 20000 - 255) + "a";
    const std::string alternatives =
        "\" of style \"Hostile\": its key alternatives pass the limit of 4096 names or 256 "
        "groups\n";
    const HostileCase cases[] = {
        {"24 groups of two", "\"" + groups24 + "\": 1",
         "Layers: skipped member \"" + shown(groups24) + alternatives},
        {"30,000 empty groups", "\"" + empty_groups + "\": 1",
         "Layers: skipped member \"" + shown(empty_groups) + alternatives},
        {"alternatives inside alternatives",
         "\"" + groups12 + "\": {\"" + repeat("(c,d)", 12) + "\": 1}",
         "Layers: skipped member \"" + shown(groups12) +
             "\" of style \"Hostile\": its key alternatives would make more than 262144 styles "
             "and attributes\n"},
        {"20,000 path steps", "\"" + slashes + "\": 1",
         "Layers: skipped member \"" + shown(deep_tail) +
             "\" of style \"a\": nested deeper than 256 levels\n"},
        {"styles 10,000 deep", "\"a\": " + nest("{\"a\": ", "1", "}", 10000),
         "Layers: skipped values nested deeper than 1024 levels in {file}\n"
         "Layers: skipped member \"a\" of style \"a\": nested deeper than 256 levels\n"},
        {"variants 10,000 deep", "\"v\": " + nest("{\":v\": ", "1", "}", 10000),
         // The member is an attribute with variants and a style at once, so
         // every level's attribute meets the limit too.
         "Layers: skipped values nested deeper than 1024 levels in {file}\n" +
             repeat("Layers: skipped variant \":v\" of attribute \"v\": nested deeper than 256 "
                    "levels\n",
                    254) +
             "Layers: skipped variant \":v\" of attribute \":v\": nested deeper than 256 "
             "levels\n"
             "Layers: skipped member \":v\" of style \":v\": nested deeper than 256 levels\n"},
        {"extras 100,000 deep", "\"~x\": " + nest("[", "1", "]", 100000),
         "Layers: skipped values nested deeper than 1024 levels in {file}\n"
         "Layers: skipped member \"~x\" of style \"Hostile\": nested deeper than 256 levels\n"},
    };
    for (const auto& c : cases) {
        // At most 0.2 s each in the sanitizer build.
        EXPECT_TRUE(test_support::run_limited([&] { return loads_around(c); }, {2})) << c.name;
    }
}

TEST(HostileLayers, AlternativesWithinTheLimitsAllLoad) {
    // 4096 names in twelve groups, and a member copied just under the budget.
    const std::vector<std::string> names = expand_key_alternatives(repeat("(a,b)", 12));
    ASSERT_EQ(names.size(), 4096u);
    EXPECT_EQ(names.front(), "aaaaaaaaaaaa");
    EXPECT_EQ(names.back(), "bbbbbbbbbbbb");
    EXPECT_TRUE(expand_key_alternatives(repeat("(a,b)", 12) + "(c)").size() == 4096u);
    EXPECT_TRUE(expand_key_alternatives(repeat("(a,b)", 12) + "(c,d)").empty());
    EXPECT_EQ(expand_key_alternatives("x" + repeat("()", 256)), std::vector<std::string>{"x"});
    EXPECT_TRUE(expand_key_alternatives("x" + repeat("()", 257)).empty());

    LStyle style(
        "Top", Json::parse("{\"" + repeat("(a,b)", 6) + "\": {\"" + repeat("(c,d)", 6) + "\": 1}}"),
        {});
    EXPECT_EQ(style.children().size(), 64u);
    EXPECT_EQ(style.children().back()->children().size(), 64u);
}

TEST(HostileLayers, BasesCopiedIntoBasesStopAtTheCopyBudget) {
    // Each style has two children based on the next one: resolving the first
    // would copy 2^40 styles. Spending the budget takes 1.1 s in the
    // sanitizer build.
    std::string file = "{";
    for (int i = 0; i < 40; ++i) {
        file += "\"S" + std::to_string(i) + "\": {\"x\": \"S:S" + std::to_string(i + 1) +
                "\", \"y\": \"S:S" + std::to_string(i + 1) + "\"}, ";
    }
    file += "\"S40\": {\"Fill\": 1}, \"Kept\": {\"Fill\": 2}}";
    EXPECT_TRUE(test_support::run_limited(
        [&] {
            TempDir dir("bases");
            dir.write("a.json", file);
            dir.write("b.json", R"({"Other": {"->": "S:Kept"}})");
            testing::internal::CaptureStderr();
            load_directory(registry(), dir.path().string(), "");
            const std::string report = testing::internal::GetCapturedStderr();
            auto* other = dynamic_cast<LStyle*>(find(registry(), "Other"));
            auto* last = dynamic_cast<LStyle*>(find(registry(), "S39/x"));
            return report ==
                       "Layers: stopped copying base styles after 262144 styles and "
                       "attributes; further copies are left out\n" &&
                   other != nullptr && last != nullptr && last->attribute("Fill") != nullptr;
        },
        {12}));
}

TEST(HostileLayers, LongChainsOfBasesLoadInBoundedTime) {
    // 5,000 styles each based on the next, written forwards and backwards,
    // and 3,000 each holding a child based on the next style (whose copies
    // nest, so fewer suffice). Path lookups, cycle checks and resolution must
    // neither go quadratic nor recurse once per style. (More keys in one
    // object would time the JSON library instead, whose ordered objects find
    // each key by a linear search.)
    constexpr int kStyles = 5000;
    const auto chain = [](bool backwards, bool through_children) {
        const int count = through_children ? 3000 : kStyles;
        std::string file = "{";
        for (int k = 0; k < count; ++k) {
            const int i = backwards ? count - 1 - k : k;
            const std::string next = "\"S:S" + std::to_string(i + 1) + "\"";
            file += "\"S" + std::to_string(i) +
                    "\": " + (through_children ? "{\"c\": " + next + "}" : next) + ", ";
        }
        return file + "\"S" + std::to_string(count) + "\": {\"Fill\": 1}}";
    };
    const std::string too_long = "Layers: base chain longer than 1024 left out on style \"S" +
                                 std::to_string(kStyles - 1025);
    const std::string unresolved =
        "Layers: bases nested deeper than 1024 levels are left unresolved\n";
    const struct {
        const char* name;
        std::string file;
        std::string report_start;  // the first line on standard error
        unsigned seconds;          // CPU limit: the sanitizer build takes a tenth
    } cases[] = {
        {"forwards", chain(false, false), unresolved, 9},
        {"backwards", chain(true, false), too_long + "\"\n", 9},
        {"through children", chain(false, true), unresolved, 21},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(test_support::run_limited(
            [&] {
                TempDir dir("chain");
                dir.write("a.json", c.file);
                dir.write("b.json", R"({"Other": {"Fine": 2}})");
                testing::internal::CaptureStderr();
                load_directory(registry(), dir.path().string(), "");
                const std::string report = testing::internal::GetCapturedStderr();
                auto* other = dynamic_cast<LStyle*>(find(registry(), "Other"));
                auto* first = dynamic_cast<LStyle*>(find(registry(), "S0"));
                const bool ok = report.rfind(c.report_start, 0) == 0 && other != nullptr &&
                                other->attribute("Fine") != nullptr && first != nullptr;
                if (!ok) fprintf(stderr, "%s reported:\n%.300s\n", c.name, report.c_str());
                return ok;
            },
            {c.seconds}))
            << c.name;
    }
}
