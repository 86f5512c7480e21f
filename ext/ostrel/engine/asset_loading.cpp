#include "ext/ostrel/engine/asset_loading.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "ext/ostrel/engine/theme_activation.h"
#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/layers.h"

namespace Ostrel {

namespace fs = std::filesystem;

namespace {

void report(const std::string& what, const fs::path& path) {
    Layers::report_line("Ostrel::load_assets: " + what + ": " + path.string());
}

// The whole file as text; "" when it cannot be opened. Only regular files are
// opened, so a named pipe called "x.json" cannot block start-up.
std::string read_text(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return "";
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return "";
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The ".json" entries directly in the directory, in the order the file system
// lists them. An iteration error says so and gives no entries: a listing cut
// short could register a different first theme from run to run.
std::vector<fs::path> theme_files(const fs::path& directory) {
    std::vector<fs::path> files;
    std::error_code ec;
    const fs::file_status status = fs::status(directory, ec);
    if (!fs::is_directory(status)) {
        const bool exists = !ec && status.type() != fs::file_type::not_found;
        report(exists ? "Not a directory" : "Could not read directory", directory);
        return files;
    }
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (it->path().extension() == ".json") files.push_back(it->path());
    }
    if (ec) {
        report("Could not read directory", directory);
        files.clear();
    }
    return files;
}

}  // namespace

bool load_assets(OApp& app, const std::string& themes_dir, const std::string& styles_dir,
                 const std::string& theme_name, const std::vector<std::string>& app_style_dirs) {
    // Widgets first, so mounts and application styles can name them as bases.
    // The layer loader reports a missing or unreadable directory and goes on.
    Layers::Registry& registry = Layers::registry();
    Layers::load_directory(registry, styles_dir + "/widgets", "Ostrel");
    Layers::load_directory(registry, styles_dir + "/mounts", "");
    for (const std::string& directory : app_style_dirs) {
        Layers::load_directory(registry, directory, "");
    }
    Layers::resolve_links(Layers::Registry::root(registry));

    for (const fs::path& file : theme_files(themes_dir)) {
        ThemeInfo info;
        if (!parse_theme_json(read_text(file), info)) continue;
        app.themes[info.display_name()] = std::move(info);
    }

    auto chosen = app.themes.find(theme_name);
    if (chosen == app.themes.end()) {
        if (app.themes.empty()) return false;
        chosen = app.themes.begin();  // first by display name
    }
    apply_theme(app, chosen->second);
    app.set_theme_name(chosen->first);
    return true;
}

}  // namespace Ostrel
