#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/edit_queue.h"
#include "app/fake_services.h"
#include "config/file_json.h"
#include "config/temp_dir.h"
#include "config/unprivileged.h"

namespace Scribenta {
namespace {

// Every rewrite goes through a rename, so a file's inode tells writes apart.
ino_t inode_of(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

class EditQueueTest : public ::testing::Test {
protected:
    Ostrel::OApp app;
    FakeServices services{app};
    TempDir dir;
    std::shared_ptr<Shell> shell = make_shell("App/Window/Site Configurator");
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<CurrentShell> current = std::make_shared<CurrentShell>(CurrentShell{shell});
    FlushEdits flush_edits{&app, edits, current};
    QueueEdit queue_edit{&app, edits, flush_edits, false};
    QueueEdit queue_source_edit{&app, edits, flush_edits, true};
    std::filesystem::path config;

    void open(const std::string& text, const std::string& name = "proj/.scribenta-project") {
        config = dir.write(name, text);
        reset_edit_state(*edits, config.string(), text);
    }

    // Counts the writes of the config file, one timer at a time.
    int writes = 0;
    void count_writes() {
        services.after_each = [this, last = inode_of(config)]() mutable {
            const ino_t now = inode_of(config);
            if (now != last) ++writes;
            last = now;
        };
    }
};

TEST_F(EditQueueTest, BurstOfEditsGivesOneWriteHalfASecondAfterTheLast) {
    open(R"({"title": "A"})");
    count_writes();
    queue_edit("/title", "B");
    services.advance(200);
    queue_edit("/title", "Bo");
    services.advance(200);
    queue_edit("/description", "D");
    services.advance(499);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
    services.advance(1);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(compact(config), R"({"format":1,"title":"Bo","description":"D"})");
    services.advance(5000);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(services.armed(), 0u);
    EXPECT_TRUE(edits->pending.empty());
}

TEST_F(EditQueueTest, ExplicitFlushWritesAtOnceAndCancelsArmedWrites) {
    open(R"({"title": "A"})");
    queue_edit("/title", "B");
    queue_source_edit("/build/readme", "README.md");
    flush_edits();
    EXPECT_EQ(compact(config), R"({"format":1,"title":"B"})");
    EXPECT_EQ(compact(config.parent_path() / ".scribenta"),
              R"({"format":1,"build":{"readme":"README.md"}})");
    // A change made behind the queue's back is not overwritten by the timers
    // armed before the flush.
    dir.write("proj/.scribenta-project", R"({"title": "Outside"})");
    count_writes();
    services.advance(1000);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(TempDir::read(config), R"({"title": "Outside"})");
}

TEST_F(EditQueueTest, WithoutATimerEditsWaitForTheNextFlush) {
    // Also what happens at quit: the armed write never fires, the quit flush
    // writes.
    app.timer_service = nullptr;
    open(R"({"title": "A"})");
    queue_edit("/title", "B");
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
    flush_edits();
    EXPECT_EQ(compact(config), R"({"format":1,"title":"B"})");
}

TEST_F(EditQueueTest, ConfigWithANumberTooLargeIsLeftAlone) {
    open(R"({"title": "A", "n": 1e999})");
    queue_edit("/title", "B");
    flush_edits();
    EXPECT_EQ(TempDir::read(config), R"({"title": "A", "n": 1e999})");
    EXPECT_EQ(edits->pending.size(), 1u);
}

TEST_F(EditQueueTest, FlushWithNothingQueuedStillCancelsAndWritesNothing) {
    open(R"({"title": "A"})");
    const auto generation = edits->generation;
    flush_edits();
    EXPECT_EQ(edits->generation, generation + 1);
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
}

TEST_F(EditQueueTest, WrittenFileKeepsKeyOrderPutsFormatFirstAndWritesStrings) {
    open(R"({"title": "Old", "repo": {"url": "u"}, "facts": [{"label": "L"}], "n": 3})");
    queue_edit("/branding/logo_height", "25");
    queue_edit("/title", "Ünïcode — new");
    queue_edit("/repo/path", "a/b");
    queue_edit("/facts/1/value", "v");
    queue_edit("/list/2", "x");
    flush_edits();
    const std::string expected = R"({
  "format": 1,
  "title": "Ünïcode — new",
  "repo": {
    "url": "u",
    "path": "a/b"
  },
  "facts": [
    {
      "label": "L"
    },
    {
      "value": "v"
    }
  ],
  "n": 3,
  "branding": {
    "logo_height": "25"
  },
  "list": [
    null,
    null,
    "x"
  ]
}
)";
    EXPECT_EQ(TempDir::read(config), expected);
    EXPECT_EQ(edits->text, expected);
    EXPECT_EQ(app.value(shell->text_editor), expected);
    EXPECT_EQ(app.texts[shell->text_editor], expected);
}

TEST_F(EditQueueTest, ExistingFormatStaysWhereItIs) {
    open(R"({"title": "A", "format": 1})");
    queue_edit("/title", "B");
    flush_edits();
    EXPECT_EQ(compact(config), R"({"title":"B","format":1})");
}

TEST_F(EditQueueTest, NothingShownMeansNothingQueued) {
    queue_edit("/title", "B");
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_EQ(services.armed(), 0u);
    open(R"({"title": "A"})");
    flush_edits();
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
}

TEST_F(EditQueueTest, ResetDropsQueuedEditsAndDisarmsTheirWrite) {
    open(R"({"title": "A"})");
    queue_edit("/title", "B");
    reset_edit_state(*edits, config.string(), R"({"title": "A"})");
    services.advance(1000);
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
}

TEST_F(EditQueueTest, MissingManifestIsCreatedWhereTheEditedSourceRootPoints) {
    open(R"({"build": {"source_path": "old"}})");
    dir.write("proj/new/keep.txt", "");
    queue_edit("/build/source_path", "new");
    queue_source_edit("/build/readme", "README.md");
    flush_edits();
    EXPECT_FALSE(std::filesystem::exists(dir / "proj/old/.scribenta"));
    EXPECT_EQ(compact(dir / "proj/new/.scribenta"),
              R"({"format":1,"build":{"readme":"README.md"}})");
    EXPECT_TRUE(edits->pending_source.empty());
}

TEST_F(EditQueueTest, ManifestOnlyEditsLeaveTheConfigUntouched) {
    open(R"({"title": "A"})");
    const auto before = inode_of(config);
    queue_source_edit("/build/license", "LICENSE");
    flush_edits();
    EXPECT_EQ(inode_of(config), before);
    EXPECT_EQ(compact(dir / "proj/.scribenta"), R"({"format":1,"build":{"license":"LICENSE"}})");
}

TEST_F(EditQueueTest, ManifestThatCannotBeWrittenSafelyKeepsItsEdits) {
    struct Case {
        const char* name;
        const char* manifest;
    };
    const Case cases[] = {
        {"newer format", R"({"format": 2, "build": {"readme": "R"}})"},
        {"format not an integer", R"({"format": "1", "build": {}})"},
        {"not JSON", R"({"build": )"},
        {"not an object", R"([1, 2])"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(R"({"title": "A"})");
        const auto manifest = dir.write("proj/.scribenta", c.manifest);
        queue_edit("/title", "B");
        queue_source_edit("/build/readme", "X.md");
        flush_edits();
        EXPECT_EQ(TempDir::read(manifest), c.manifest);
        EXPECT_EQ(compact(config), R"({"format":1,"title":"B"})");
        EXPECT_EQ(edits->pending_source.size(), 1u);
        EXPECT_TRUE(edits->pending.empty());
    }
}

TEST_F(EditQueueTest, ManifestThatIsAFolderIsNeverReplaced) {
    open(R"({})");
    std::filesystem::create_directories(dir / "proj/.scribenta");
    queue_source_edit("/build/readme", "R");
    flush_edits();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "proj/.scribenta"));
    EXPECT_EQ(edits->pending_source.size(), 1u);
}

TEST_F(EditQueueTest, UnreadableOrBrokenConfigKeepsEverythingQueued) {
    // Nested 10,000 deep, the 20 KB file would be written back as 200 MB.
    const std::string deep =
        "{\"title\": \"A\", \"x\": " + std::string(10000, '[') + std::string(10000, ']') + "}";
    for (const std::string& text :
         {std::string("{\"title\": "), std::string("\"text\" trailing"), deep}) {
        SCOPED_TRACE(text.substr(0, 40));
        open(text);
        queue_edit("/title", "B");
        queue_source_edit("/build/readme", "R");
        flush_edits();
        EXPECT_EQ(TempDir::read(config), text);
        EXPECT_EQ(edits->pending.size(), 1u);
        EXPECT_EQ(edits->pending_source.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(dir / "proj/.scribenta"));
    }
    // Fixed on disk, the kept edits go out with the next flush.
    dir.write("proj/.scribenta-project", "{}");
    flush_edits();
    EXPECT_EQ(compact(config), R"({"format":1,"title":"B"})");
    EXPECT_EQ(compact(dir / "proj/.scribenta"), R"({"format":1,"build":{"readme":"R"}})");
}

// A refused edit is dropped; the edits that can apply are written by the
// same flush, in both files.
TEST_F(EditQueueTest, RefusedEditsAreDroppedAndTheOthersWrittenInTheSameFlush) {
    struct Case {
        const char* name;
        const char* config;
        std::map<std::string, std::string> pending;
        std::map<std::string, std::string> pending_source;
        const char* written;   // the config after the flush
        const char* manifest;  // the manifest after the flush; null: none
    };
    const Case cases[] = {
        {"pointer through a plain value",
         R"({"repo": "git"})",
         {{"/repo/url", "u"}, {"/title", "T"}},
         {{"/build/readme", "R"}},
         R"({"format":1,"repo":"git","title":"T"})",
         R"({"format":1,"build":{"readme":"R"}})"},
        {"text that is not UTF-8",
         R"({})",
         {{"/name", "bad \xff"}, {"/title", "T"}},
         {},
         R"({"format":1,"title":"T"})",
         nullptr},
        {"malformed pointer",
         R"({})",
         {{"title", "x"}, {"/a~2", "y"}, {"/title", "T"}},
         {},
         R"({"format":1,"title":"T"})",
         nullptr},
        {"whole document", R"({"a": 1})", {{"", "x"}}, {}, R"({"a": 1})", nullptr},
        {"every config edit refused, the manifest's written",
         R"({"repo": 5})",
         {{"/repo/url", "u"}},
         {{"/build/readme", "R"}},
         R"({"repo": 5})",
         R"({"format":1,"build":{"readme":"R"}})"},
        {"manifest edit beyond a plain value",
         R"({})",
         {{"/title", "T"}},
         {{"/format/x", "R"}, {"/build/license", "L"}},
         R"({"format":1,"title":"T"})",
         R"({"format":1,"build":{"license":"L"}})"},
        {"build that is no object",
         R"({"build": "here"})",
         {{"/title", "T"}},
         {{"/build/readme", "R"}},
         R"({"format":1,"build":"here","title":"T"})",
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir / "proj/.scribenta");
        open(c.config);
        edits->pending = c.pending;
        edits->pending_source = c.pending_source;
        flush_edits();
        if (c.written == std::string(c.config)) {
            EXPECT_EQ(TempDir::read(config), c.config);
        } else {
            EXPECT_EQ(compact(config), c.written);
        }
        ASSERT_EQ(std::filesystem::exists(dir / "proj/.scribenta"), c.manifest != nullptr);
        if (c.manifest) {
            EXPECT_EQ(compact(dir / "proj/.scribenta"), c.manifest);
        }
        EXPECT_TRUE(edits->pending.empty());
        EXPECT_TRUE(edits->pending_source.empty());
    }
}

// A flush that leaves edits unsaved says which file and why, in one message;
// one that saves everything says nothing.
TEST_F(EditQueueTest, FailedFlushShowsOneMessageNamingTheFileAndTheReason) {
    struct Case {
        const char* name;
        const char* config;    // written to proj/.scribenta-project; null: a folder there
        const char* manifest;  // written to proj/.scribenta; null: none
        std::map<std::string, std::string> pending;
        std::map<std::string, std::string> pending_source;
        std::string message;
    };
    const std::string save = "Couldn't save ";
    const std::string deep = "{\"x\": " + std::string(300, '[') + std::string(300, ']') + "}";
    const Case cases[] = {
        {"config is a folder",
         nullptr,
         nullptr,
         {{"/title", "T"}},
         {},
         save + ".scribenta-project: it is not a regular file."},
        {"config is not JSON",
         "{\n\n  \"title\" \"A\"}",
         nullptr,
         {{"/title", "T"}},
         {},
         save + ".scribenta-project: it is not valid JSON (line 3)."},
        {"config nested too deeply",
         deep.c_str(),
         nullptr,
         {{"/title", "T"}},
         {},
         save + ".scribenta-project: it is nested too deeply (more than 256 levels)."},
        {"member of a number",
         R"({"repo": 5})",
         nullptr,
         {{"/repo/url", "u"}},
         {},
         save + ".scribenta-project: \"repo\" holds a number, so \"url\" can't be set in it."},
        {"list element that is a string",
         R"({"facts": ["x"]})",
         nullptr,
         {{"/facts/0/value", "v"}},
         {},
         save + ".scribenta-project: \"facts/0\" holds a string, so \"value\" can't be set in it."},
        {"build is no object",
         R"({"build": "here"})",
         nullptr,
         {},
         {{"/build/readme", "R"}},
         save + ".scribenta: \"build\" in .scribenta-project holds a string, so the folder it "
                "belongs in is unknown."},
        {"manifest is not JSON",
         "{}",
         "[1,\n",
         {{"/title", "T"}},
         {{"/build/readme", "R"}},
         save + ".scribenta: it is not valid JSON (line 2)."},
        {"manifest is no object",
         "{}",
         "[]",
         {},
         {{"/build/readme", "R"}},
         save + ".scribenta: it does not hold a JSON object."},
        {"manifest is newer",
         "{}",
         R"({"format": 2})",
         {},
         {{"/build/readme", "R"}},
         save + ".scribenta: it declares format 2; this Scribenta reads up to format 1 (update "
                "Scribenta to open it)."},
        {"both written", "{}", "{}", {{"/title", "T"}}, {{"/build/readme", "R"}}, ""},
    };
    const FlushEdits reporting{&app, edits, current, ShowMessage{&app}};
    const std::string body = std::string(kMessageDialog) + "/Body/Message";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir / "proj");
        if (c.config) {
            open(c.config);
        } else {
            std::filesystem::create_directories(dir / "proj/.scribenta-project");
            reset_edit_state(*edits, (dir / "proj/.scribenta-project").string(), "");
        }
        if (c.manifest) dir.write("proj/.scribenta", c.manifest);
        edits->pending = c.pending;
        edits->pending_source = c.pending_source;
        app.set_visible(kMessageDialog, false);
        app.texts[body].clear();
        reporting();
        EXPECT_EQ(app.hidden.count(kMessageDialog) == 0, !c.message.empty());
        EXPECT_EQ(app.texts[body], c.message);
        if (!c.message.empty()) {
            EXPECT_EQ(app.texts[std::string(kMessageDialog) + "/Titlebar/Title"],
                      "Couldn't Save Changes");
        }
    }
}

TEST_F(EditQueueTest, FailedConfigWriteKeepsEveryEditQueued) {
    open(R"({"title": "A"})");
    namespace fs = std::filesystem;
    // Readable by everyone, writable by no one but its owner.
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(config.parent_path(), fs::perms::owner_read | fs::perms::owner_exec |
                                              fs::perms::group_read | fs::perms::group_exec |
                                              fs::perms::others_read | fs::perms::others_exec);
    const bool ok = run_unprivileged([&] {
        queue_edit("/title", "B");
        queue_source_edit("/build/readme", "R");
        flush_edits();
        return TempDir::read(config) == R"({"title": "A"})" && edits->pending.size() == 1 &&
               edits->pending_source.size() == 1 && edits->text == R"({"title": "A"})";
    });
    std::filesystem::permissions(config.parent_path(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(ok);
}

TEST(EditQueueOwnership, AShellWhoseReloadQueuesEditsIsFreed) {
    std::weak_ptr<Shell> watched;
    {
        Ostrel::OApp app;
        auto shell = make_shell("App/S");
        auto edits = std::make_shared<EditState>();
        const FlushEdits flush{&app, edits, std::make_shared<CurrentShell>(CurrentShell{shell})};
        shell->reload = [queue = QueueEdit{&app, edits, flush}] { queue("/title", "T"); };
        watched = shell;
    }
    EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace Scribenta
