#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/runtime/update_manifest.h"

namespace Ostrel {
namespace {

struct ManifestCase {
    const char* name;
    std::string body;
    bool ok;
    std::string error;
    std::string version;
    std::string notes;
    std::string page;
    std::string download;
};

const std::string kPage = R"("download_page": "https://example.org/download")";
const std::string kNotes = R"("notes_url": "https://example.org/notes")";

const std::vector<ManifestCase> kManifestCases = {
    {"full",
     R"({"version": "2.0.0", )" + kNotes + ", " + kPage +
         R"(, "platforms": {"linux-x86_64": {"url": "https://example.org/x.tar.gz"}}})",
     true, "", "2.0.0", "https://example.org/notes", "https://example.org/download",
     "https://example.org/x.tar.gz"},
    {"platform missing",
     R"({"version": "2.0.0", )" + kPage +
         R"(, "platforms": {"windows-x86_64": {"url": "https://e.org/w.exe"}}})",
     true, "", "2.0.0", "", "https://example.org/download", "https://example.org/download"},
    {"platform url not a string",
     R"({"version": "2.0.0", )" + kPage + R"(, "platforms": {"linux-x86_64": {"url": 5}}})", true,
     "", "2.0.0", "", "https://example.org/download", "https://example.org/download"},
    {"platform entry not an object",
     R"({"version": "2.0.0", "platforms": {"linux-x86_64": "https://e.org/x"}})", true, "", "2.0.0",
     "", "", ""},
    {"platforms not an object", R"({"version": "2.0.0", "platforms": ["linux-x86_64"]})", true, "",
     "2.0.0", "", "", ""},
    {"address members not strings", R"({"version": "1", "notes_url": 1, "download_page": null})",
     true, "", "1", "", "", ""},
    {"addresses that are no web addresses",
     R"j({"version": "2.0.0", "notes_url": "javascript:alert(1)", "download_page": "file:///etc/x",
         "platforms": {"linux-x86_64": {"url": "ftp://example.org/x"}}})j",
     true, "", "2.0.0", "", "", ""},
    {"web platform url with a non-web page",
     R"({"version": "2.0.0", "download_page": "smb://host/share",
         "platforms": {"linux-x86_64": {"url": "HTTP://example.org/x"}}})",
     true, "", "2.0.0", "", "", "HTTP://example.org/x"},
    {"not json", "<html>oops</html>", false, "manifest is not a JSON object", "", "", "", ""},
    {"empty body", "", false, "manifest is not a JSON object", "", "", "", ""},
    {"array", R"(["2.0.0"])", false, "manifest is not a JSON object", "", "", "", ""},
    {"truncated", R"({"version": "2.0.0")", false, "manifest is not a JSON object", "", "", "", ""},
    {"version a number", R"({"version": 2})", false, "manifest has no \"version\"", "", "", "", ""},
    {"version missing", R"({"notes_url": "https://e.org"})", false, "manifest has no \"version\"",
     "", "", "", ""},
    {"version empty", R"({"version": ""})", false, "manifest has no \"version\"", "", "", "", ""},
};

TEST(ParseUpdateManifest, ReadsVersionAndWebAddresses) {
    for (const auto& c : kManifestCases) {
        UpdateResult result;
        EXPECT_EQ(parse_update_manifest(c.body, "linux-x86_64", result), c.ok) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
        EXPECT_EQ(result.latest_version, c.version) << c.name;
        EXPECT_EQ(result.notes_url, c.notes) << c.name;
        EXPECT_EQ(result.download_page, c.page) << c.name;
        EXPECT_EQ(result.download_url, c.download) << c.name;
        EXPECT_FALSE(result.ok) << c.name;  // the caller decides that
    }
}

TEST(IsWebAddress, AcceptsOnlyHttpAndHttps) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"https://example.org/download", true}, {"http://example.org", true},
        {"HTTPS://EXAMPLE.ORG", true},          {"https://", false},
        {"https:example.org", false},           {"file:///home/user/x.sh", false},
        {"javascript:alert(1)", false},         {"ftp://example.org/x", false},
        {"mailto:someone@example.org", false},  {"httpx://example.org", false},
        {" https://example.org", false},        {"", false},
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(is_web_address(url), expected) << url;
    }
}

}  // namespace
}  // namespace Ostrel
