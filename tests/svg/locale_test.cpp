#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/number_text.h"
#include "ext/ostrel/svg/text_helpers.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;

// Switches the C and C++ process locales to a decimal-comma locale for one test.
class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                std::locale::global(std::locale(name));
                active_ = true;
                break;
            }
        }
        if (!active_) GTEST_SKIP() << "no decimal-comma locale installed";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override {
        if (!active_) return;
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
    bool active_ = false;
};

TEST_F(DecimalCommaLocale, NumbersReadAndPrintAsInTheClassicLocale) {
    EXPECT_EQ(svg_test::numbers(parse_number_list("1.5,2 0.25")), "1.5 2 0.25");
    EXPECT_EQ(parse_css_time_ms("2.5s"), 2500);
    EXPECT_EQ(format_number(0.5), "0.5");
    EXPECT_EQ(format_number(1234567.0), "1.23457e+06");
    EXPECT_EQ(format_matrix(parse_transform_list("rotate(45 12.5 12.5)")),
              "matrix(0.707107,0.707107,-0.707107,0.707107,12.5,-5.17767)");
}

TEST_F(DecimalCommaLocale, FramesAreTheSameByteForByte) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<svg><g><animateTransform type=\"rotate\" values=\"0 12 12;90 12 12\" dur=\"1.5s\" "
         "repeatCount=\"indefinite\"/></g></svg>",
         "<svg><g transform=\"matrix(0.866025,0.5,-0.5,0.866025,7.6077,-4.3923)\"></g></svg>"},
        {"<svg><style>@keyframes f { from { opacity: 0.5 } to { opacity: 0.25 } } "
         "circle { animation: f 1.5s infinite }</style><circle r=\"1.5\">"
         "<animate attributeName=\"r\" values=\"1.5;3.5\" dur=\"1.5s\"/></circle></svg>",
         "<svg><circle opacity=\"0.416667\" r=\"2.16667\"></circle></svg>"},
    };
    for (const auto& [svg, frame] : cases) {
        EXPECT_EQ(AnimatedSvg::frame_text(AnimatedSvg::parse(svg), 500), frame) << svg;
    }
}

}  // namespace
