#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/open_list.h"

namespace {

namespace fs = std::filesystem;

// A folder with two files, a folder, a link to each and a file named "-x".
struct OpenList : testing::Test {
    fs::path dir = fs::temp_directory_path() / ("open-list-" + std::to_string(::getpid()));
    std::string a, b, folder, file_link, folder_link, dash;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "folder");
        a = (dir / "a.scribenta-site").string();
        b = (dir / "b.json").string();
        folder = (dir / "folder").string();
        std::ofstream(a) << "{}";
        std::ofstream{b};
        file_link = (dir / "link-to-a").string();
        folder_link = (dir / "link-to-folder").string();
        fs::create_symlink(a, file_link);
        fs::create_directory_symlink(folder, folder_link);
        dash = (dir / "-x").string();
        std::ofstream{dash};
        ::unsetenv("SCRIBENTA_DEV_OPEN");
    }
    void TearDown() override {
        fs::remove_all(dir);
        ::unsetenv("SCRIBENTA_DEV_OPEN");
    }

    static std::string filter(std::vector<std::string> arguments) {
        std::vector<const char*> argv = {"scribenta"};
        for (const std::string& argument : arguments) argv.push_back(argument.c_str());
        return Scribenta::open_list_from_arguments(static_cast<int>(argv.size()), argv.data());
    }
};

TEST_F(OpenList, ArgumentFilter) {
    const std::string missing = (dir / "missing.json").string();
    struct Case {
        std::string name;
        std::vector<std::string> arguments;
        std::string list;
    };
    const std::vector<Case> cases = {
        {"none", {}, ""},
        {"two files, joined without a final newline", {a, b}, a + "\n" + b},
        {"options skipped even when such a file exists", {"-", "-x", "--open", a}, a},
        {"empty arguments skipped", {"", a, ""}, a},
        {"missing file and folder skipped, the rest still count", {missing, folder, b}, b},
        {"a link to a file counts, a link to a folder does not",
         {folder_link, file_link},
         file_link},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filter(c.arguments), c.list) << c.name;
    }
    // "-x" names an existing file, as typed relative to the folder: still an option.
    const fs::path here = fs::current_path();
    fs::current_path(dir);
    EXPECT_EQ(filter({"-x", "b.json"}), "b.json");
    fs::current_path(here);
}

TEST_F(OpenList, AnInheritedListIsReplacedOnlyWhenAFileIsNamed) {
    ::setenv("SCRIBENTA_DEV_OPEN", "/inherited/one\n/inherited/two", 1);
    std::vector<const char*> nothing = {"scribenta", "--flag", "/no/such/file"};
    Scribenta::publish_open_list(3, nothing.data());
    EXPECT_STREQ(std::getenv("SCRIBENTA_DEV_OPEN"), "/inherited/one\n/inherited/two");
    std::vector<const char*> files = {"scribenta", a.c_str(), b.c_str()};
    Scribenta::publish_open_list(3, files.data());
    EXPECT_EQ(std::string(std::getenv("SCRIBENTA_DEV_OPEN")), a + "\n" + b);
}

}  // namespace
