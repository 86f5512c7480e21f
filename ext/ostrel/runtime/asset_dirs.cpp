#include <filesystem>
#include <system_error>

#include "ext/ostrel/runtime/desktop_app.h"

namespace Ostrel {

void resolve_asset_dirs(DesktopAppConfig& config, const std::string& app_dir) {
    namespace fs = std::filesystem;
    const std::string framework = app_dir + "/assets/ostrel";
    std::error_code error;
    if (!fs::exists(fs::path(framework + "/styles"), error)) return;
    const std::string app = app_dir + "/assets/app";
    config.framework_assets_dir = framework;
    config.style_dirs = {app + "/styles"};
    config.icon_dirs = {app + "/icons"};
    config.media_dirs.clear();
    if (fs::exists(fs::path(app + "/media"), error)) config.media_dirs = {app};
}

}  // namespace Ostrel
