#include "app/site/logo_heights.h"

#include "site_wiring_fixture.h"

namespace Scribenta {
namespace {

TEST(LogoHeight, ValidTexts) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true},    {"24", true},   {"40px", true},  {"7PX", true},  {"012", true},
        {"5p", true},  {"0", true},    {"40", true},    {"41", false},  {"1234", false},
        {"px", false}, {"5pt", false}, {"5 px", false}, {" 5", false},  {"5 ", false},
        {"-5", false}, {"4.5", false}, {"0040", false}, {"999", false}, {"5pxx", false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_valid_logo_height(c.text), c.valid) << c.text;
}

class LogoHeightEdits : public SiteWiringTest {};

TEST_F(LogoHeightEdits, OnlyValidHeightsAreStoredQueuedAndPreviewed) {
    show_site(R"({"title": "T", "branding": {"logo_height": 32}})");
    const struct {
        bool mobile;
        const char* typed;
        double desktop_height;  // fixed heights of the two preview logos afterwards
        double mobile_height;
        const char* queued;  // pending value of the field's pointer, "<none>" when nothing
    } steps[] = {
        {false, "41", 32, 32, "<none>"},  // invalid: nothing happens at all
        {false, "4", 4, 4, "4"},
        {false, "40px", 40, 40, "40px"},
        {true, "20px", 40, 20, "20px"},
        {true, "5p", 40, 40, "5p"},  // valid, but the preview reads no number and takes desktop's
        {true, "2 0", 40, 40, "5p"},
        {true, "", 40, 40, ""},
        {false, "0", -1, -1, "0"},  // 0 is stored; the logo heights are dropped
    };
    for (const auto& s : steps) {
        const std::string field = s.mobile ? paths.logo_height_mobile : paths.logo_height;
        const std::string pointer =
            s.mobile ? "/branding/logo_height_mobile" : "/branding/logo_height";
        type(field, s.typed);
        EXPECT_EQ(app.value(field), s.typed) << "the field keeps what was typed";
        EXPECT_EQ(fixed_height(paths.desktop_tab + "/Logo"), s.desktop_height) << s.typed;
        EXPECT_EQ(fixed_height(paths.mobile_tab + "/Logo"), s.mobile_height) << s.typed;
        const auto it = edits->pending.find(pointer);
        EXPECT_EQ(it == edits->pending.end() ? "<none>" : it->second, s.queued) << s.typed;
    }
    EXPECT_EQ(site.preview->logo_height, "0");
    EXPECT_EQ(site.preview->logo_height_mobile, "");
}

TEST_F(LogoHeightEdits, HeightsAndTabTextAreWrittenAsStrings) {
    show_site(R"({"title": "T", "branding": {"logo_path": "/images/x.svg", "logo_height": 32}})");
    type(paths.logo_height, "25");
    type(paths.logo_height_mobile, "99");
    type(paths.tab_text, "  Docs ");
    services.advance(500);
    EXPECT_EQ(compact(config), R"({"format":1,"title":"T","branding":{"logo_path":"/images/x.svg",)"
                               R"("logo_height":"25","tab_text":"  Docs "}})");
    EXPECT_EQ(text(paths.desktop_tab + "/Text"), "  Docs ");
    EXPECT_EQ(site.preview->tab_text, "  Docs ");
}

TEST_F(LogoHeightEdits, BrandingOfAnotherTypeIsNeverOverwritten) {
    const std::string original = R"({"title": "T", "branding": "plain"})";
    show_site(original);
    type(paths.logo_height, "30");
    type(paths.tab_text, "Docs");
    services.advance(500);
    EXPECT_EQ(TempDir::read(config), original);
    // The preview still follows what was typed.
    EXPECT_EQ(fixed_height(paths.desktop_tab + "/Logo"), 30);
    EXPECT_EQ(text(paths.mobile_tab + "/Text"), "Docs");
    // A later edit elsewhere is still written.
    type(paths.site_form + "/Title Field", "New");
    services.advance(500);
    EXPECT_EQ(compact(config), R"({"format":1,"title":"New","branding":"plain"})");
}

}  // namespace
}  // namespace Scribenta
