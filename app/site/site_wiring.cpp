#include "app/site/site_wiring.h"

#include <utility>

#include "app/site/favicon_controls.h"
#include "app/site/logo_heights.h"
#include "app/site/project_cards.h"
#include "app/site/socials.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void SiteWiring::populate_site_form(const std::string& config_path) const {
    Scribenta::populate_site_form(*form, config_path);
}

void wire_website_fields(Ostrel::OApp& app, const std::string& site_form, QueueEdit queue_edit) {
    for (const auto& field : website_fields()) {
        app.on_change(site_form + field.node,
                      [queue_edit, pointer = std::string(field.pointer)](const std::string& text) {
                          queue_edit(pointer, text);
                      });
    }
}

SiteWiring wire_site_configurator(const SiteWiringContext& context) {
    Ostrel::OApp& app = *context.app;
    SiteWiring site;
    site.paths = make_site_paths(context.shell->panels);
    const SitePaths& paths = site.paths;

    wire_website_fields(app, paths.site_form, context.queue_edit);

    site.preview = std::make_shared<PreviewState>();
    site.refresh_logo_previews =
        RefreshLogoPreviews{&app, site.preview, paths.desktop_tab, paths.mobile_tab};
    site.hooks = std::make_shared<SitePanelHooks>();
    site.favicon_source_path = std::make_shared<std::string>();
    site.favicon_background_text = std::make_shared<std::string>();
    site.favicon_hint = SetHint{&app, paths.favicon_hint};

    wire_height_field(app, paths.logo_height, "/branding/logo_height", &PreviewState::logo_height,
                      site.preview, context.queue_edit, site.refresh_logo_previews);
    wire_height_field(app, paths.logo_height_mobile, "/branding/logo_height_mobile",
                      &PreviewState::logo_height_mobile, site.preview, context.queue_edit,
                      site.refresh_logo_previews);
    app.on_change(paths.tab_text,
                  TabTextEdited{site.preview, context.queue_edit, site.refresh_logo_previews});

    app.on_click(paths.logo_browse,
                 LogoPicker{&app, context.edits, context.queue_edit, paths.avatar, paths.logo_image,
                            site.preview, site.refresh_logo_previews, context.set_config_logo,
                            paths.from_logo_checkbox, site.favicon_hint, site.favicon_source_path,
                            site.hooks});
    wire_favicon_controls(context, site);

    site.form = std::make_shared<SiteFormBinding>(SiteFormBinding{
        &app, context.edits, context.shell, paths, site.favicon_hint, site.favicon_source_path,
        site.favicon_background_text, site.preview, site.refresh_logo_previews, site.hooks});

    // A caller without the window's dialogs gets them wired here.
    site.list_panels = {&app,
                        context.edits,
                        context.shell,
                        context.flush_edits,
                        context.queue_edit,
                        context.show_message.app ? context.show_message : wire_message_dialog(app),
                        context.show_confirm.app ? context.show_confirm : wire_confirm_dialog(app),
                        paths,
                        site.hooks,
                        std::make_shared<CardTargets>(),
                        std::make_shared<UnsavedTextKeep>(),
                        context.open_site_project};
    site.policies = wire_policies(site.list_panels, context.policies_editor);
    wire_project_cards(site.list_panels);
    site.home_sections = wire_home_sections(site.list_panels, context.section_editor);
    site.social_icon = wire_socials(site.list_panels);

    if (context.shown_config_path) {
        context.shell->reload = [form = site.form, shown = context.shown_config_path] {
            Scribenta::populate_site_form(*form, shown());
        };
        context.shell->redraw = following_redraw(context.shell, site.list_panels.policy_keep);
    }
    return site;
}

}  // namespace Scribenta
