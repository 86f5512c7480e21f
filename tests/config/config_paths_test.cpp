#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "temp_dir.h"

using namespace Scribenta;
namespace fs = std::filesystem;

TEST(ConfigPaths, ClassifyByNameThenContent) {
    struct Case {
        const char* name;
        const char* text;
        ConfigKind kind;
    } cases[] = {
        {".scribenta-site", "", ConfigKind::Site},
        {".scribenta-site", "[1]", ConfigKind::Site},
        {".scribenta-project", "", ConfigKind::Project},
        {"site.json", "[1]", ConfigKind::Other},
        {"site.json", "{", ConfigKind::Other},
        {"a.json", R"({"branding": null, "slug": "x"})", ConfigKind::Site},
        {"b.json", R"({"nav_menus": 1})", ConfigKind::Site},
        {"c.json", R"({"projects": {}, "slug": "x"})", ConfigKind::Project},
        {"d.json", R"({"projects": [], "slug": "x"})", ConfigKind::Site},
        {"e.json", R"({"project": "x"})", ConfigKind::Manifest},
        {"f.json", R"({"includes": []})", ConfigKind::Manifest},
        {"g.json", R"({"external": []})", ConfigKind::Manifest},
        {"h.json", R"({"title": "x"})", ConfigKind::Other},
    };
    TempDir dir;
    for (const auto& c : cases) {
        auto file = dir.write(std::string("k/") + c.name, c.text);
        EXPECT_EQ(classify_config_file(file.string()), c.kind) << c.name << " " << c.text;
    }
    EXPECT_EQ(classify_config_file((dir / "missing.json").string()), ConfigKind::Other);
}

TEST(ConfigPaths, DisplayNameFallsBackToTheFolderName) {
    TempDir dir;
    struct Case {
        const char* rel;
        const char* text;
        bool is_project;
        const char* expected;
    } cases[] = {
        {"api/.scribenta-project", R"({"name": "API"})", true, "API"},
        {"empty/.scribenta-project", R"({"name": ""})", true, "empty"},
        {"docs/.scribenta-site", R"({"title": "Docs"})", false, "Docs"},
        {"numbered/.scribenta-site", R"({"title": 5})", false, "numbered"},
        {"broken/.scribenta-site", "{", false, "broken"},
    };
    for (const auto& c : cases) {
        auto file = dir.write(c.rel, c.text);
        EXPECT_EQ(config_display_name(file.string(), c.is_project), c.expected) << c.rel;
    }
    EXPECT_EQ(config_display_name((dir / "gone/.scribenta-site").string(), false), "gone");
}

TEST(ConfigPaths, FindSiteRoot) {
    TempDir dir;
    dir.write("site/.scribenta-site", "{}");
    fs::create_directories(dir / "site/projects/api");
    fs::create_directories(dir / "elsewhere");
    EXPECT_EQ(find_site_root(dir / "site/projects/api"), dir / "site");
    EXPECT_EQ(find_site_root(dir / "site"), dir / "site");
    EXPECT_EQ(find_site_root(dir / "elsewhere"), dir / "elsewhere");
}

TEST(ConfigPaths, ResolveExistingPath) {
    TempDir dir;
    dir.write("site/.scribenta-site", "{}");
    auto logo = dir.write("site/images/logo.png", "png");
    const fs::path site = dir / "site";
    for (const char* rel : {"/images/logo.png", "images/logo.png", "./images/logo.png",
                            "//images/../images/logo.png"}) {
        EXPECT_EQ(resolve_existing_path(site, rel), logo.string()) << rel;
        EXPECT_EQ(resolve_site_path(site / "images", rel), logo.string()) << rel;
    }
    EXPECT_EQ(resolve_existing_path(site, "images"), (site / "images").string());
    for (const char* rel : {"", "/", "///", "images/missing.png"}) {
        EXPECT_EQ(resolve_existing_path(site, rel), "") << rel;
    }
}

TEST(ConfigPaths, RelativePathString) {
    struct Case {
        const char* base;
        const char* path;
        const char* expected;
    } cases[] = {
        {"/a/b", "/a/c/d.md", "../c/d.md"},
        {"/a/b", "/a/b", "."},
        {"/a/b", "/a/b/./x/../y.png", "y.png"},
        {"/a/b", "rel/x.png", "rel/x.png"},
        // A backslash is part of a file name here, not a separator.
        {"/a/b", "/a/b/x\\y.png", "x\\y.png"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(relative_path_string(c.base, c.path), c.expected) << c.base << " " << c.path;
    }
}

TEST(ConfigPaths, CopyIntoDirectory) {
    TempDir dir;
    auto source = dir.write("picked/logo.png", "new");
    const fs::path images = dir / "site/images";

    EXPECT_EQ(copy_into_directory(images, source), (images / "logo.png").string());
    EXPECT_EQ(TempDir::read(images / "logo.png"), "new");

    dir.write("picked/logo.png", "newer");
    EXPECT_EQ(copy_into_directory(images, source), (images / "logo.png").string());
    EXPECT_EQ(TempDir::read(images / "logo.png"), "newer") << "an existing copy is replaced";

    EXPECT_EQ(copy_into_directory(images, images / "logo.png"), (images / "logo.png").string());
    EXPECT_EQ(TempDir::read(images / "logo.png"), "newer");

    EXPECT_EQ(copy_into_directory(images, dir / "picked/missing.png"), "");
    fs::create_directories(images / "folder.png");
    EXPECT_EQ(copy_into_directory(images, dir.write("picked/folder.png", "x")), "");
}

TEST(ConfigPaths, SiteLogoPathUsesTheConfigFolder) {
    TempDir dir;
    auto logo = dir.write("site/images/logo.svg", "<svg/>");
    struct Case {
        const char* text;
        std::string expected;
    } cases[] = {
        {R"({"branding": {"logo_path": "/images/logo.svg"}})", logo.string()},
        {R"({"branding": {"logo_path": "images/missing.svg"}})", ""},
        {R"({"branding": {"logo_path": null}})", ""},
        {R"({"branding": "text"})", ""},
        {R"({"title": "no branding"})", ""},
        {"[1]", ""},
        {"{", ""},
    };
    for (const auto& c : cases) {
        auto config = dir.write("site/.scribenta-site", c.text);
        EXPECT_EQ(site_logo_path(config.string()), c.expected) << c.text;
    }
}

TEST(ConfigPaths, ProjectConfigPath) {
    const fs::path site = "/srv/site";
    struct Case {
        nlohmann::ordered_json entry;
        fs::path expected;
    } cases[] = {
        {{{"config", "./projects/api/.scribenta-project"}},
         "/srv/site/projects/api/.scribenta-project"},
        {{{"config", "/abs/x/../p/.scribenta-project"}}, "/abs/p/.scribenta-project"},
        {{{"config", 3}}, ""},
        {{{"slug", "x"}}, ""},
        {nlohmann::ordered_json::array(), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(project_config_path(c.entry, site), c.expected) << c.entry.dump();
    }
}
