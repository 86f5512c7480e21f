#include "config/new_site.h"

#include <ctime>
#include <system_error>

#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/safe_write.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

std::string local_year() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900);
}

// The template is written as text, not dumped, so that its layout (the
// section objects on one line each) is fixed. The title only ever enters
// through `json_quote`, so no title can break the JSON.
std::string site_config_text(const std::string& title) {
    const std::string name = title.empty() ? "My Site" : title;
    const std::string quoted = json_quote(name);
    const std::string notice = json_quote("(c) " + local_year() + " " + name);
    // clang-format off
    return "{\n"
           "  \"format\": 1,\n"
           "  \"title\": " + quoted + ",\n"
           "  \"description\": \"A new site\",\n"
           "  \"copyright\": " + notice + ",\n"
           "  \"output\": \"./output\",\n"
           "  \"branding\": {\n"
           "    \"tab_text\": " + quoted + "\n"
           "  },\n"
           "  \"footer_links\": [],\n"
           "  \"projects\": [],\n"
           "  \"socials\": [],\n"
           "  \"home\": {\n"
           "    \"sections\": [\n"
           "      { \"type\": \"description\" },\n"
           "      { \"type\": \"projects\" },\n"
           "      { \"type\": \"socials\" }\n"
           "    ]\n"
           "  },\n"
           "  \"pages\": {\n"
           "    \"home_title\": " + quoted + "\n"
           "  }\n"
           "}\n";
    // clang-format on
}

}  // namespace

bool create_site(const fs::path& site_folder, const std::string& title, std::string* error) {
    const fs::path target = site_folder / kSiteConfigName;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        return set_error(error, ".scribenta-site already exists in " + site_folder.string());
    }
    fs::create_directories(site_folder / "content-fragments", ec);
    if (ec) return set_error(error, "Could not create site directory: " + ec.message());
    fs::create_directories(site_folder / "images", ec);
    if (ec) return set_error(error, "Could not create site images directory: " + ec.message());

    if (!safe_create_file(target, site_config_text(title))) {
        return set_error(error, "Could not write " + target.string());
    }
    return true;
}

}  // namespace Scribenta
