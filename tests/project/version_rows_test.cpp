#include <gtest/gtest.h>

#include <string>

#include "app/project/version_rows.h"

namespace Scribenta {
namespace {

TEST(VersionRows, PatchTextIsTheTagAfterTheLabelAndItsDot) {
    struct Case {
        const char* mm;
        const char* tag;
        const char* patch;
    };
    const Case cases[] = {{"1.4", "1.4.2", ".2"}, {"1.4", "1.4.2-rc1", ".2-rc1"},
                          {"1.4", "v1.4.2", ""},  {"1.4", "1.4", ""},
                          {"1.4", "1.40.1", ""},  {"1.4", "1.4.", "."},
                          {"", ".5", ".5"},       {"1.4", "", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(version_patch_text({c.mm, c.tag, "", "", false}), c.patch) << c.tag;
    }
}

TEST(VersionRows, OnlyOnePlainNameMayNameAVersionFolder) {
    struct Case {
        std::string label;
        bool folder;
    };
    const Case cases[] = {{"1.4", true},
                          {"10.12", true},
                          {"latest", true},
                          {"", false},
                          {".", false},
                          {"..", false},
                          {"1/4", false},
                          {"1\\4", false},
                          {"../1.4", false},
                          {"1..4", false},
                          {std::string("1.4\0x", 5), false}};
    for (const Case& c : cases) EXPECT_EQ(is_version_folder_name(c.label), c.folder) << c.label;
}

TEST(VersionRows, CaptionCountsPendingVersions) {
    EXPECT_EQ(pending_caption(0), "Nothing Pending");
    EXPECT_EQ(pending_caption(1), "Build 1 Pending");
    EXPECT_EQ(pending_caption(12), "Build 12 Pending");
}

}  // namespace
}  // namespace Scribenta
