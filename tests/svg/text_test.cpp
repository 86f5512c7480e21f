#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/svg/text_helpers.h"

namespace {

using namespace Ostrel;

TEST(TextHelpers, TrimAndSplit) {
    EXPECT_EQ(trim_blanks("\t a b \r\n"), "a b");
    EXPECT_EQ(trim_blanks("\va\f"), "\va\f");
    EXPECT_EQ(trim_blanks("  "), "");
    EXPECT_EQ(split_trimmed(" a; ;b ;", ';'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(split_trimmed("", ';'), (std::vector<std::string>{}));
    EXPECT_EQ(split_trimmed("busy  spinner", ' '), (std::vector<std::string>{"busy", "spinner"}));
}

TEST(TextHelpers, CssTimes) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"2.5s", 2500}, {"300ms", 300}, {"300", 300},    {"", 0},      {"indefinite", 0}, {"ms", 0},
        {"s", 0},       {" 2s ", 2000}, {"1e3ms", 1000}, {".5s", 500}, {"-1s", -1000},
    };
    for (const auto& [text, ms] : cases) EXPECT_EQ(parse_css_time_ms(text), ms) << text;
}

}  // namespace
