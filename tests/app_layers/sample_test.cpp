// The sample under examples/ is what the README, the screenshots and the
// application tests open: it must stay readable by the configuration model.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/build_manifest.h"
#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/json_file.h"
#include "config/projects.h"

namespace {

namespace fs = std::filesystem;
using namespace Scribenta;

const fs::path kSite = fs::path(SCRIBENTA_SOURCE_DIR) / "examples" / "acme-docs";

TEST(Sample, EveryConfigurationIsReadableAndOfItsKind) {
    const struct {
        std::string file;
        ConfigKind kind;
        std::string name;
    } cases[] = {
        {".scribenta-site", ConfigKind::Site, "Acme Docs"},
        {"projects/rocket/.scribenta-project", ConfigKind::Project, "Rocket"},
        {"projects/comet/.scribenta-project", ConfigKind::Project, "Comet"},
        {"projects/orbit/.scribenta-project", ConfigKind::Project, "Orbit"},
        {"projects/orbit-core/.scribenta-project", ConfigKind::Project, "Orbit"},
        {"projects/orbit-cli/.scribenta-project", ConfigKind::Project, "Orbit CLI"},
    };
    for (const auto& c : cases) {
        const std::string path = (kSite / c.file).string();
        std::string error;
        EXPECT_TRUE(check_file_format(path, &error)) << c.file << ": " << error;
        EXPECT_EQ(classify_config_file(path), c.kind) << c.file;
        EXPECT_EQ(config_display_name(path, c.kind == ConfigKind::Project), c.name) << c.file;
    }
}

// Two stand-alone projects and a family of two members, each registered once.
TEST(Sample, TheSiteRegistersItsProjectsAndFamily) {
    nlohmann::ordered_json site;
    ASSERT_TRUE(load_json_file(kSite / ".scribenta-site", site));
    std::vector<std::string> slugs, parents;
    for (const ProjectRef& ref : list_project_refs(site, kSite)) {
        EXPECT_TRUE(fs::is_regular_file(ref.config_path)) << ref.config_path;
        slugs.push_back(ref.slug);
        parents.push_back(ref.parent_slug);
    }
    EXPECT_EQ(slugs, (std::vector<std::string>{"rocket", "comet", "orbit", "core", "cli"}));
    EXPECT_EQ(parents, (std::vector<std::string>{"", "", "", "orbit", "orbit"}));
    EXPECT_EQ(site["policies"].size(), 1u);
    EXPECT_EQ(site["socials"].size(), 1u);
    EXPECT_EQ(site["home"]["sections"].back()["type"], "custom");
    EXPECT_EQ(site_logo_path((kSite / ".scribenta-site").string()),
              (kSite / "images" / "acme-logo.svg").lexically_normal().string());
    for (const char* file : {"policies/privacy.md", "content-fragments/highlights_home.html"}) {
        EXPECT_TRUE(fs::is_regular_file(kSite / file)) << file;
    }
}

TEST(Sample, RocketNamesItsReadmeLicenseAndTopic) {
    const std::string rocket = (kSite / "projects/rocket/.scribenta-project").string();
    const nlohmann::json manifest = read_manifest(rocket, "src");
    EXPECT_EQ(manifest["build"]["readme"], "README.md");
    EXPECT_EQ(manifest["build"]["license"], "LICENSE");
    ASSERT_EQ(manifest["build"]["topics"].size(), 1u);
    const fs::path src = kSite / "projects/rocket/src";
    for (const char* file : {"README.md", "LICENSE", "docs/getting-started.md"}) {
        EXPECT_TRUE(fs::is_regular_file(src / file)) << file;
    }
    EXPECT_EQ(manifest["build"]["topics"][0]["source"], "docs/getting-started.md");
}

}  // namespace
