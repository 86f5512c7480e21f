// The editor's window declaration: the root, the settings window, both
// configurator shells with their tabs and views, the dialogs, the shared
// state of the handlers, and last the configurations named at start-up.

#include <cstdlib>
#include <memory>
#include <string>

#include "app/app_context.h"
#include "app/close_window.h"
#include "app/home_actions.h"
#include "app/open_configs.h"
#include "app/text_view.h"
#include "app/window_declaration.h"
#include "app/window_sides.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "ext/ostrel/runtime/settings_window.h"

namespace {

using namespace Scribenta;
using Ostrel::OApp;

// A shell's tab table and click handlers; it starts on its first tab in the
// editor view.
void declare_shell(OApp& app, const std::shared_ptr<Shell>& shell,
                   const std::vector<ShellTab>& tabs) {
    shell->tabs = tabs;
    wire_shell_tabs(app, shell);
    select_tab(app, *shell, tabs.front().first);
    set_view_mode(app, *shell, "editor");
}

// Every non-empty line of SCRIBENTA_DEV_OPEN, exactly as it stands, in order.
void open_start_up_list(OpenConfigs& configs) {
    const char* list = std::getenv("SCRIBENTA_DEV_OPEN");
    if (list == nullptr) return;
    const std::string text = list;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) configs.open_config_file(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

namespace Scribenta {

AppContext declare_window(Ostrel::OApp& app) {
    app.set_root("App");
    AppContext ctx;
    ctx.app = &app;
    ctx.window_tabs = Ostrel::install_settings_window(app, "App", "Scribenta Window", {}, {});

    for (const char* path :
         {kConfigPane, kNewWebsiteDialog, "App/Add Project Dialog", "App/Add Topic Dialog",
          "App/Add Dependency Dialog", "App/Promote Dialog", kMessageDialog, kConfirmDialog}) {
        app.set_visible(path, false);
    }
    ctx.show_message = wire_message_dialog(app);
    ctx.show_confirm = wire_confirm_dialog(app);

    ctx.configs = std::make_shared<OpenConfigs>();
    ctx.site_shell = make_shell(kSiteBase);
    ctx.project_shell = make_shell(kProjectBase);
    ctx.current = std::make_shared<CurrentShell>(CurrentShell{ctx.site_shell});
    declare_shell(app, ctx.site_shell, site_shell_tabs());
    declare_shell(app, ctx.project_shell, project_shell_tabs());

    ctx.edits = std::make_shared<EditState>();
    // Both Save buttons start disabled, in step with the shells' flags.
    app.toggle_state(ctx.site_shell->save_button, "Disabled");
    app.toggle_state(ctx.project_shell->save_button, "Disabled");
    ctx.flush_edits = FlushEdits{&app, ctx.edits, ctx.current, ctx.show_message};
    ctx.queue_edit = QueueEdit{&app, ctx.edits, ctx.flush_edits, false};
    ctx.queue_source_edit = QueueEdit{&app, ctx.edits, ctx.flush_edits, true};
    // Edits typed within the quiet period before a quit signal (or before
    // closing again after a write that failed) are written too, not dropped
    // with the pending timer. Closing the window writes them first itself,
    // while it can still show what came of them.
    FlushEdits at_quit = ctx.flush_edits;
    at_quit.on_screen = false;
    app.before_quit = at_quit;

    OpenConfigs& configs = *ctx.configs;
    configs.app = &app;
    configs.window_tabs = ctx.window_tabs;
    configs.site_shell = ctx.site_shell;
    configs.project_shell = ctx.project_shell;
    configs.current = ctx.current;
    configs.edits = ctx.edits;
    configs.flush_edits = ctx.flush_edits;
    configs.show_message = ctx.show_message;
    configs.show_confirm = ctx.show_confirm;

    wire_site_side(ctx);
    for (const auto& shell : {ctx.site_shell, ctx.project_shell}) {
        wire_text_view(app, shell, ctx.edits, ctx.show_confirm);
    }
    for (const auto& shell : {ctx.site_shell, ctx.project_shell}) {
        wire_view_bar(app, SwitchView{&app, ctx.edits, ctx.flush_edits, ctx.show_confirm, shell});
    }
    wire_project_side(ctx);
    wire_open_configs(app, ctx.configs);
    app.close_request = CloseWindowRequest{&app, ctx.configs, ctx.flush_edits};
    wire_home_actions(app, HomeActions{&app, ctx.configs, ctx.show_message});
    return ctx;
}

}  // namespace Scribenta

namespace Ostrel {

void build_app(OApp& app) {
    const Scribenta::AppContext ctx = Scribenta::declare_window(app);
    open_start_up_list(*ctx.configs);
}

}  // namespace Ostrel
