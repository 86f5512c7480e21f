// Writes the site's list panels and their dialogs, drawn from the sample
// site, as PNGs in both themes: lists_shot <folder>.

#include <QElapsedTimer>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/site/site_screen.h"
#include "ext/ostrel/engine/oapp.h"

namespace {

void settle(site_bench::SiteScreen& screen) {
    screen.view().schedule_render();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    screen.idle();
}

// Shows one panel of the site shell, as its tab button does.
void show_tab(Ostrel::OApp& app, const std::string& tab, const std::string& panel) {
    const std::string editor = site_bench::kSite + "/Editor Panel";
    for (const char* name : {"Website", "Projects", "Socials", "Policies", "Build"}) {
        const std::string button = editor + "/Sidebar/" + name + " Tab";
        const bool active = app.node_states[button].contains("Active");
        if (active != (button == editor + "/Sidebar/" + tab)) app.toggle_state(button, "Active");
        app.set_visible(editor + "/Panels/" + name + " Panel",
                        editor + "/Panels/" + name + " Panel" == editor + "/Panels/" + panel);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lists_shot <folder>\n");
        return 2;
    }
    site_bench::qt_app();
    const std::string folder = argv[1];
    const std::pair<const char*, const char*> themes[] = {{"dark", "Dark (zozeravuderedada)"},
                                                          {"light", "Light (zozeravuderedada)"}};
    for (const auto& [tag, theme] : themes) {
        site_bench::SiteScreen screen(theme);
        Ostrel::OApp& app = screen.app();
        const auto& p = screen.site().paths;
        // An unregistered folder, so the Projects panel shows its second list.
        const auto orphan = screen.sample().root() / "acme-docs/projects/nebula";
        std::filesystem::create_directories(orphan);
        std::FILE* file = std::fopen((orphan / ".scribenta-project").c_str(), "w");
        if (file) std::fclose(file);
        app.set_visible(site_bench::kSite + "/Editor Panel", true);
        screen.site().populate_site_form(screen.sample().config());

        const std::vector<std::pair<std::string, std::function<void()>>> shots = {
            {"projects", [&] { show_tab(app, "Projects Tab", "Projects Panel"); }},
            {"remove-project",
             [&] { app.row_action_handlers["projectCards"]("projectCards", "proj-2", "remove"); }},
            {"socials",
             [&] {
                 app.set_visible(Scribenta::kConfirmDialog, false);
                 show_tab(app, "Socials Tab", "Socials Panel");
             }},
            {"add-social", [&] { app.dispatch_event(p.socials + "/Add Social Button", "click"); }},
            {"policies",
             [&] {
                 app.set_visible("App/Add Social Dialog", false);
                 show_tab(app, "Policies Tab", "Policies Panel");
                 app.dispatch_event(p.policies + "/File Editor", "input:# Privacy\n\nEdited.\n");
             }},
            {"add-policy",
             [&] {
                 app.dispatch_event(p.policies + "/Selector Row/Add Button", "click");
                 app.dispatch_event("App/Add Policy Dialog/Body/Name Editor",
                                    "input:Terms & Conditions");
             }},
            {"home-sections",
             [&] {
                 app.set_visible("App/Add Policy Dialog", false);
                 show_tab(app, "Website Tab", "Website Panel");
             }},
            {"add-section",
             [&] {
                 app.dispatch_event(p.website + "/Home Layout/Layout Header/Add Button", "click");
             }},
            {"edit-section",
             [&] {
                 app.set_visible("App/Add Section Dialog", false);
                 app.row_action_handlers["homeSections"]("homeSections", "home-3", "edit");
             }},
        };
        for (const auto& [name, act] : shots) {
            act();
            settle(screen);
            if (name == "home-sections") {
                // The home layout is at the bottom of the website panel.
                for (auto* area : screen.root()->findChildren<QScrollArea*>()) {
                    if (area->isVisible() && area->verticalScrollBar()->maximum() > 0)
                        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
                }
                settle(screen);
            }
            const std::string out = folder + "/" + name + "-" + tag + ".png";
            screen.root()->grab().toImage().save(QString::fromStdString(out));
            std::printf("%s\n", out.c_str());
            // Dialogs float in windows of their own.
            int n = 0;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window == screen.root() || !window->isVisible()) continue;
                const std::string more =
                    folder + "/" + name + "-" + tag + ".win" + std::to_string(n++) + ".png";
                window->grab().toImage().save(QString::fromStdString(more));
                std::printf("%s\n", more.c_str());
            }
        }
    }
    return 0;
}
