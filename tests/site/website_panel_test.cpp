// The website panel as the shipped layer files draw it: every node the site
// handlers address exists with the kind they need, and what the handlers
// store reaches the rendered tree.

#include <filesystem>

#include "app/fake_services.h"
#include "app/site/site_wiring.h"
#include "app_layers/app_fixture.h"
#include "config/temp_dir.h"

namespace app_layers_test {
namespace {

using namespace Scribenta;
namespace fs = std::filesystem;

class WebsitePanel : public AppLayers {
protected:
    void SetUp() override {
        AppLayers::SetUp();
        fs::copy(kSource + "/examples/acme-docs", dir / "acme-docs", fs::copy_options::recursive);
        config = (dir / "acme-docs/.scribenta-site").string();
        render([&](OApp& app) {
            services = std::make_unique<FakeServices>(app);
            shell = make_shell(SITE);
            edits = std::make_shared<EditState>();
            FlushEdits flush{&app, edits, std::make_shared<CurrentShell>(CurrentShell{shell})};
            site = wire_site_configurator({&app,
                                           shell,
                                           edits,
                                           flush,
                                           QueueEdit{&app, edits, flush, false},
                                           [this] { return config; },
                                           {}});
            site.populate_site_form(config);
        });
    }

    const RenderNode& rerender() {
        app_->render();
        return *app_->last_tree;
    }
    bool rendered(const std::string& path) { return find_node(*app_->last_tree, path); }

    TempDir dir;
    std::string config;
    std::unique_ptr<FakeServices> services;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<EditState> edits;
    SiteWiring site;
};

TEST_F(WebsitePanel, HandlersAddressNodesOfTheRightKind) {
    const SitePaths& p = site.paths;
    const struct {
        std::string path;
        NodeKind kind;
    } cases[] = {
        {p.site_form + "/Title Field", NodeKind::Editor},
        {p.site_form + "/Description Field", NodeKind::Editor},
        {p.site_form + "/URL Field", NodeKind::Editor},
        {p.site_form + "/Copyright Field", NodeKind::Editor},
        {p.site_form + "/Output Field", NodeKind::Editor},
        {p.logo_height, NodeKind::Editor},
        {p.logo_height_mobile, NodeKind::Editor},
        {p.tab_text, NodeKind::Editor},
        {p.background_field, NodeKind::Editor},
        {p.from_logo_checkbox, NodeKind::CheckBox},
        {p.logo_browse, NodeKind::Button},
        {p.avatar, NodeKind::Box},
        {p.logo_image, NodeKind::Image},
        {p.desktop_tab + "/Logo", NodeKind::Image},
        {p.desktop_tab + "/Text", NodeKind::Text},
        {p.mobile_tab + "/Logo", NodeKind::Image},
        {p.mobile_tab + "/Text", NodeKind::Text},
    };
    for (const auto& c : cases) EXPECT_EQ(node(c.path).kind, c.kind) << c.path;
}

TEST_F(WebsitePanel, TheRenderedPanelFollowsTheFormAndItsEdits) {
    const SitePaths& p = site.paths;
    const std::string logo = (dir / "acme-docs/images/acme-logo.svg").lexically_normal().string();
    EXPECT_EQ(node(p.site_form + "/Title Field").text, "Acme Docs");
    EXPECT_EQ(node(p.logo_height).text, "28");
    EXPECT_EQ(node(p.logo_image).style.media_source, logo);
    EXPECT_EQ(node(p.desktop_tab + "/Logo").style.height, 28);
    EXPECT_EQ(node(p.mobile_tab + "/Logo").style.height, 28);
    EXPECT_EQ(node(p.desktop_tab + "/Text").text, "Acme Docs");

    app_->dispatch_event(p.logo_height_mobile, "input:18px");
    app_->dispatch_event(p.logo_height, "input:99");  // invalid: dropped
    app_->dispatch_event(p.tab_text, "input:");
    rerender();
    EXPECT_EQ(node(p.desktop_tab + "/Logo").style.height, 28);
    EXPECT_EQ(node(p.mobile_tab + "/Logo").style.height, 18);
    EXPECT_FALSE(rendered(p.desktop_tab + "/Text")) << "a logo without tab text shows alone";

    app_->dispatch_event(p.logo_height, "input:0");
    rerender();
    EXPECT_FALSE(rendered(p.desktop_tab + "/Logo"));
    EXPECT_TRUE(rendered(p.mobile_tab + "/Logo"));

    fs::remove(logo);
    site.refresh_logo_previews();
    rerender();
    EXPECT_FALSE(rendered(p.mobile_tab + "/Logo"));
    EXPECT_EQ(node(p.mobile_tab + "/Text").text, "\u2014");
}

}  // namespace
}  // namespace app_layers_test
