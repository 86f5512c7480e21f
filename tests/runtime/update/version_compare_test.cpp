#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/runtime/version_compare.h"

namespace Ostrel {
namespace {

struct VersionCase {
    std::string a;
    std::string b;
    int expected;
};

// Each case is also checked the other way round, with the sign flipped.
const std::vector<VersionCase> kVersionCases = {
    // Cores.
    {"1.2.0", "1.2", 0},
    {"1.10.0", "1.9.9", 1},
    {"v1.4.2", "1.4.2", 0},
    {"V2.0", "v2.0.0", 0},
    {"1.x.0", "1.0.0", 0},
    {"", "0", 0},
    {"1..2", "1.0.2", 0},
    {"1.01", "1.1", 0},
    {"2", "10", -1},
    // Pre-releases.
    {"1.0.0-alpha", "1.0.0", -1},
    {"1.0.0", "1.0.0-rc.1", 1},
    {"1.0.0-alpha.1", "1.0.0-alpha.beta", -1},
    {"1.0.0-alpha", "1.0.0-alpha.1", -1},
    {"1.0.0-beta.11", "1.0.0-beta.2", 1},
    {"1.0.0-beta", "1.0.0-Beta", 1},
    {"1.0.0-rc-1", "1.0.0-rc-2", -1},
    {"1.0.0-alpha", "1.0.0-alphabet", -1},
    // Build metadata never counts.
    {"1.0.0+build.5", "1.0.0+build.7", 0},
    {"1.0.0-rc.1+x", "1.0.0-rc.1", 0},
    {"1.0.0+x-y", "1.0.0", 0},
    // Digit runs far beyond any integer type compare by value.
    {"1.99999999999999999999999999", "1.100000000000000000000000000", -1},
    {"18446744073709551617.0", "18446744073709551616.0", 1},
    {"1.0.0-rc.99999999999999999999999", "1.0.0-rc.100000000000000000000000", -1},
    {"000000000000000000000000000001.0", "1", 0},
};

TEST(CompareVersions, FollowsPrecedenceBothWays) {
    for (const auto& c : kVersionCases) {
        EXPECT_EQ(compare_versions(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(compare_versions(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(CompareVersions, EqualVersionsCompareEqual) {
    for (const auto& c : kVersionCases) {
        EXPECT_EQ(compare_versions(c.a, c.a), 0) << c.a;
    }
}

TEST(CompareDecimal, ComparesDigitRunsByValue) {
    const std::vector<VersionCase> cases = {
        {"0", "00", 0},
        {"9", "10", -1},
        {"0099", "100", -1},
        {"123456789012345678901234567890", "123456789012345678901234567891", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compare_decimal(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        EXPECT_EQ(compare_decimal(c.b, c.a), -c.expected) << c.b << " vs " << c.a;
    }
}

TEST(IsAllDigits, NeedsAtLeastOneDigitAndNothingElse) {
    EXPECT_TRUE(is_all_digits("0"));
    EXPECT_TRUE(is_all_digits("12345678901234567890123"));
    EXPECT_FALSE(is_all_digits(""));
    EXPECT_FALSE(is_all_digits("1a"));
    EXPECT_FALSE(is_all_digits("-1"));
    EXPECT_FALSE(is_all_digits(" 1"));
}

}  // namespace
}  // namespace Ostrel
