#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_url.h"

namespace {

TEST(LocalFileUrl, EncodesWhatAUrlPathCannotHold) {
    struct Case {
        std::string path;
        std::string url;
    };
    const Case cases[] = {
        {"/srv/site/out", "file:///srv/site/out"},
        {"/srv/a b/c#d?e%f", "file:///srv/a%20b/c%23d%3Fe%25f"},
        {"/srv/caf\xC3\xA9", "file:///srv/caf%C3%A9"},
        {"/srv/keep-._~!$&'()*+,;=:@", "file:///srv/keep-._~!$&'()*+,;=:@"},
        {"/srv/x/../y/./z", "file:///srv/y/z"},
    };
    for (const Case& c : cases) EXPECT_EQ(Scribenta::local_file_url(c.path), c.url) << c.path;
}

TEST(LocalFileUrl, MakesARelativePathAbsolute) {
    const std::string cwd = std::filesystem::current_path().generic_string();
    EXPECT_EQ(Scribenta::local_file_url("out"), Scribenta::local_file_url(cwd + "/out"));
    EXPECT_EQ(Scribenta::local_file_url("out").rfind("file:///", 0), 0u);
}

}  // namespace
