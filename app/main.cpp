// Scribenta's entry: the command line becomes the open list, then the desktop
// runtime starts the editor and its result is the exit code.

#include "app/open_list.h"
#include "app/site/favicons.h"
#include "ext/ostrel/runtime/desktop_app.h"

int main(int argc, char** argv) {
    Scribenta::publish_open_list(argc, argv);
    Scribenta::install_favicon_generator();

    Ostrel::DesktopAppConfig config;
    config.organization = "larkspurworks";
    config.application_name = "Scribenta";
    config.window_title = "Scribenta";
    config.logo = "logo_scribenta.png";
    config.desktop_file_name = "scribenta";
    config.default_theme = "Dark (zozeravuderedada)";
    config.version = "1.0.2";
    config.update_manifest_url = "https://larkspurworks.com/downloads/scribenta/latest.json";
    // The source checkout; replaced by the folders deployed beside the
    // executable whenever those exist.
    config.framework_assets_dir = SCRIBENTA_SOURCE_DIR "/ext/ostrel";
    config.style_dirs = {SCRIBENTA_SOURCE_DIR "/styles"};
    config.icon_dirs = {SCRIBENTA_SOURCE_DIR "/icons"};
    return Ostrel::run_desktop(argc, argv, config);
}
