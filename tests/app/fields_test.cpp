#include <gtest/gtest.h>

#include "app/fields.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace {

TEST(SetFieldText, ShowsTheTextAndMakesItTheValue) {
    Ostrel::OApp app;
    set_field_text(app, "App/F", "hello");
    EXPECT_EQ(app.texts["App/F"], "hello");
    EXPECT_EQ(app.value("App/F"), "hello");
}

TEST(SetHint, HidesWhileEmpty) {
    Ostrel::OApp app;
    const SetHint hint{&app, "App/Hint"};
    hint("");
    EXPECT_TRUE(app.hidden.count("App/Hint"));
    hint("Generated into favicon/");
    EXPECT_FALSE(app.hidden.count("App/Hint"));
    EXPECT_EQ(app.texts["App/Hint"], "Generated into favicon/");
    hint("");
    EXPECT_TRUE(app.hidden.count("App/Hint"));
    EXPECT_EQ(app.texts["App/Hint"], "");
}

TEST(Trim, StripsOnlyBlanksAndTabs) {
    const std::pair<std::string, std::string> cases[] = {
        {" \tabc \t", "abc"}, {" \t \t", ""}, {"", ""}, {"a b", "a b"}, {" abc\n", "abc\n"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(trim(text), expected) << text;
}

TEST(ParseIntOr, AcceptsZeroTo999WithOptionalPx) {
    const std::pair<std::string, int> cases[] = {
        {" 40px ", 40}, {"40PX", 40},  {"40pX", 40}, {"0", 0},     {"999", 999},
        {"007", 7},     {"40 px", 25}, {"-5", 25},   {"1000", 25}, {"4.5", 25},
        {"", 25},       {"px", 25},    {"  ", 25},   {"+5", 25},   {"5px ", 5},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parse_int_or(text, 25), expected) << text;
}

TEST(ResolveConfigPath, TakesRelativeTextsBelowTheSourceRootThenTheBase) {
    struct Case {
        const char* source_root;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"../src", "docs/README.md", "/site/projects/src/docs/README.md"},
        {"", "docs/./README.md", "/site/projects/p/docs/README.md"},
        {"/abs/src", "README.md", "/abs/src/README.md"},
        {"../src", "/etc/../x/LICENSE", "/x/LICENSE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolve_config_path("/site/projects/p", c.source_root, c.text), c.expected)
            << c.text;
    }
}

// A field's path is taken from the configuration's folder; an empty field
// names no file at all, not the source root itself.
TEST(NamedSourceFile, ResolvesFromTheConfigurationsFolderAndEmptyNamesNone) {
    const std::string config = "/site/projects/p/.scribenta-project";
    EXPECT_EQ(named_source_file(config, "src", "README.md"), "/site/projects/p/src/README.md");
    EXPECT_EQ(named_source_file(config, "src", ""), "");
}

}  // namespace
}  // namespace Scribenta
