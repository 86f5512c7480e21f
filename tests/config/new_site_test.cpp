#include <ctime>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "size_limit.h"
#include "temp_dir.h"

using namespace Scribenta;
namespace fs = std::filesystem;

namespace {

std::string this_year() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900);
}

// The fixed layout of a new site config; @T@ is the quoted title and @C@
// the quoted copyright notice.
std::string expected_site(const std::string& quoted_title, const std::string& quoted_notice) {
    std::string text = R"({
  "format": 1,
  "title": @T@,
  "description": "A new site",
  "copyright": @C@,
  "output": "./output",
  "branding": {
    "tab_text": @T@
  },
  "footer_links": [],
  "projects": [],
  "socials": [],
  "home": {
    "sections": [
      { "type": "description" },
      { "type": "projects" },
      { "type": "socials" }
    ]
  },
  "pages": {
    "home_title": @T@
  }
}
)";
    for (auto [mark, value] : {std::pair{"@T@", quoted_title}, std::pair{"@C@", quoted_notice}}) {
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
            text.replace(at, 3, value);
        }
    }
    return text;
}

}  // namespace

TEST(NewSite, WritesTheTemplateWithTheTitleQuoted) {
    const std::string year = this_year();
    struct Case {
        std::string title, quoted_title, quoted_notice;
    } cases[] = {
        {"", R"("My Site")", "\"(c) " + year + " My Site\""},
        {"  ", R"("  ")", "\"(c) " + year + "   \""},
        {"Say \"hi\"\\", R"("Say \"hi\"\\")", "\"(c) " + year + " Say \\\"hi\\\"\\\\\""},
        {"Grüße\tDocs", R"("Grüße\tDocs")", "\"(c) " + year + " Grüße\\tDocs\""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path site = dir / "nested/site";
        std::string error = "untouched";
        ASSERT_TRUE(create_site(site, c.title, &error)) << c.title;
        EXPECT_EQ(error, "untouched");
        EXPECT_EQ(TempDir::read(site / ".scribenta-site"),
                  expected_site(c.quoted_title, c.quoted_notice))
            << c.title;
        EXPECT_TRUE(fs::is_directory(site / "content-fragments"));
        EXPECT_TRUE(fs::is_directory(site / "images"));
        EXPECT_FALSE(fs::exists(site / "output"));
        EXPECT_EQ(classify_config_file((site / ".scribenta-site").string()), ConfigKind::Site);
        EXPECT_TRUE(check_file_format((site / ".scribenta-site").string()));
        EXPECT_EQ(dir.entry_count(), 5u) << "no temporary file is left";
    }
}

TEST(NewSite, NeverReplacesAnExistingSiteConfig) {
    TempDir dir;
    const auto existing = dir.write(".scribenta-site", "{\"title\": \"Old\"}");
    std::string error;
    EXPECT_FALSE(create_site(dir.path(), "New", &error));
    EXPECT_EQ(error, ".scribenta-site already exists in " + dir.path().string());
    EXPECT_EQ(TempDir::read(existing), "{\"title\": \"Old\"}");
    EXPECT_FALSE(fs::exists(dir / "content-fragments"));

    fs::create_directory(dir / "other");
    fs::create_directory_symlink(dir.path(), dir / "other/.scribenta-site");
    EXPECT_FALSE(create_site(dir / "other", "New", nullptr));
}

TEST(NewSite, ReportsFoldersThatCannotBeMade) {
    TempDir dir;
    std::string error;
    const auto file = dir.write("plain-file", "x");
    EXPECT_FALSE(create_site(file, "T", &error));
    EXPECT_EQ(error.rfind("Could not create site directory: ", 0), 0u) << error;

    dir.write("site/images", "in the way");
    EXPECT_FALSE(create_site(dir / "site", "T", &error));
    EXPECT_EQ(error.rfind("Could not create site images directory: ", 0), 0u) << error;
    EXPECT_GT(error.size(), std::string("Could not create site images directory: ").size());
    EXPECT_TRUE(fs::is_directory(dir / "site/content-fragments"));
    EXPECT_FALSE(fs::exists(dir / "site/.scribenta-site"));
}

// A write that fails part-way must be reported and leave no short config.
TEST(NewSite, AFailedWriteLeavesNoConfigBehind) {
    TempDir dir;
    const fs::path site = dir / "site";
    EXPECT_TRUE(run_with_file_size_limit(16, [&] {
        std::string error;
        return !create_site(site, "Docs", &error) &&
               error == "Could not write " + (site / ".scribenta-site").string();
    }));
    EXPECT_FALSE(fs::exists(site / ".scribenta-site"));
    EXPECT_TRUE(fs::is_directory(site / "content-fragments"));
    EXPECT_TRUE(fs::is_directory(site / "images"));
    EXPECT_EQ(dir.entry_count(), 3u) << "no temporary file is left";
}
