#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/media_backend.h"
#include "ext/ostrel/desktop/video_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

// Two autoplay videos in a scrolling list, one without autoplay but with
// controls. The file is no real video: without decoding nothing plays, and
// nothing may crash either way.
constexpr const char* kVideoScreen = R"json({"ViApp": {"->": "S:Ostrel/Box",
    "Layout.Align": "Stretch",
    "List": {"->": "S:Ostrel/Box", "Layout.Scroll": "Vertical", "Size.Height": 300,
        "Layout.Align": "Stretch",
        "First": {"->": "S:Ostrel/Video", "Source": "clip.mp4", "Autoplay": 1, "Loop": 1,
            "Muted": 1, "Size.Height": 200},
        "Gap": {"->": "S:Ostrel/Box", "Size.Height": 400},
        "Second": {"->": "S:Ostrel/Video", "Source": "clip.mp4", "Autoplay": 1,
            "Size.Height": 200},
        "Tail": {"->": "S:Ostrel/Box", "Size.Height": 400}},
    "Manual": {"->": "S:Ostrel/Video", "Source": "clip.mp4", "Controls": 1, "Size.Height": 50}
}})json";

TEST(MediaBackends, ANamedBackEndMustBeProvidedByAPluginExactly) {
    qt_app();
    TempFolder empty("media-backends");
    const QStringList qt_dirs = QCoreApplication::libraryPaths();
    const QStringList none = {QString::fromStdString(empty.path().string())};
    const struct {
        const char* name;
        const QStringList* dirs;
        bool present;
    } cases[] = {
        {"ffmpeg", &qt_dirs, true},           {"", &qt_dirs, true},     {"FFMPEG", &qt_dirs, false},
        {"no-such-backend", &qt_dirs, false}, {"ffmpeg", &none, false}, {"", &none, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(media_backend_present(c.name, *c.dirs), c.present)
            << c.name << (c.dirs == &none ? " without plugins" : "");
    }
}

TEST(Videos, OnlyTheVideoNearestTheViewportCentrePlays) {
    TempFolder media("videos");
    media.write("clip.mp4", "not really a video");
    set_image_dirs({media.path().string()});
    LayerFixture layers("video");
    OApp app;
    ASSERT_TRUE(layers.load_screen(app, kVideoScreen, "ViApp"));
    ViewHarness view(app, QSize(400, 400));
    auto* first = view.widget_as<VideoWidget>("ViApp/List/First");
    auto* second = view.widget_as<VideoWidget>("ViApp/List/Second");
    auto* manual = view.widget_as<VideoWidget>("ViApp/Manual");
    ASSERT_TRUE(first && second && manual);
    EXPECT_TRUE(first->url.isLocalFile());
    EXPECT_TRUE(wait_until([&] { return first->in_view; }));
    EXPECT_FALSE(second->in_view);

    QScrollBar* bar = find_scroll_area(view.widget("ViApp/List"))->verticalScrollBar();
    bar->setValue(600);
    EXPECT_TRUE(wait_until([&] { return second->in_view && !first->in_view; }));
    EXPECT_FALSE(manual->in_view);

    // Without "Autoplay" a video never starts by itself, even when chosen.
    bar->setValue(bar->maximum());
    view.widget("ViApp/List")->hide();
    EXPECT_TRUE(wait_until([&] {
        view.view().schedule_video_check();
        return manual->in_view;
    }));
    EXPECT_EQ(manual->player, nullptr);
    // With "Controls" a press asks it to play; a machine that cannot decode
    // video makes no player, and nothing breaks.
    EXPECT_TRUE(view.press("ViApp/Manual"));
    EXPECT_EQ(manual->player != nullptr, media_player_available());
    EXPECT_EQ(manual->source_set, media_player_available());
    EXPECT_TRUE(manual->frame.isNull());
    set_image_dirs({});
}

}  // namespace
}  // namespace Ostrel
