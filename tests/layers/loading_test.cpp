#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

namespace {

std::string load(const std::filesystem::path& directory, const std::string& mount_name) {
    testing::internal::CaptureStderr();
    load_directory(registry(), directory.string(), mount_name);
    return testing::internal::GetCapturedStderr();
}

// Writes the files into a fresh directory and loads it under the mount.
std::string load_files(const std::string& tag, const std::string& mount_name,
                       const std::vector<std::pair<std::string, std::string>>& files) {
    TempDir dir(tag);
    for (auto& [name, content] : files) dir.write(name, content);
    return load(dir.path(), mount_name);
}

}  // namespace

TEST(Loading, BlankStripping) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{ \"A\" :\r\n  { \"B\" : \"x y\" } }\n", R"({"A":{"B":"x y"}})"},
        {"{\t\"A\":1}", "{\t\"A\":1}"},
        // An escaped quote does not end the string: its blanks stay.
        {R"({"A": "say \"hi  there\"  ok" , "B" : 1})", R"({"A":"say \"hi  there\"  ok","B":1})"},
        {R"({"A": "back\\" , "B" : "c d"})", R"({"A":"back\\","B":"c d"})"},
        {"", ""},
    };
    for (const auto& [input, output] : cases) EXPECT_EQ(strip_json_blanks(input), output) << input;
}

TEST(Loading, WalkOrderAndFileRules) {
    TempDir dir("walk");
    dir.write("b.json", "{}");
    dir.write("a.json", "{ \"A\" : 1 }");
    dir.write("a/z.json", "{}");
    dir.write("c.txt", "{}");
    dir.write("d.JSON", "{}");
    dir.write("_e.json", "{}");
    dir.write("sub/_f.json", "{}");
    dir.write("sub/g.json", "[]");
    auto files = read_json_tree(dir.path());
    std::vector<std::string> order;
    for (auto& [path, content] : files)
        order.push_back(path.lexically_relative(dir.path()).string());
    EXPECT_EQ(order, (std::vector<std::string>{"a/z.json", "a.json", "b.json", "sub/g.json"}));
    EXPECT_EQ(files[dir.path() / "a.json"], R"({"A":1})");
}

TEST(Loading, UnreadableAndInvalidFilesAreReportedAndSkipped) {
    TempDir dir("bad");
    const auto missing = dir.path() / "gone.json";
    testing::internal::CaptureStderr();
    EXPECT_EQ(load_json_file(missing), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Layers::load_json_file: Could not read file: " + missing.string() + "\n");

    // A file that could not be read fails to parse as well.
    testing::internal::CaptureStderr();
    FileTextMap files = {{missing, ""},
                         {dir.path() / "we\"ird.json", "{\"A\":"},
                         {dir.path() / "ok.json", "{\"A\":1}"}};
    auto parsed = parse_json_files(files);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed.count(dir.path() / "ok.json"), 1u);
    const std::string gone_line =
        "JSON Parse Error in \"" + missing.string() +
        "\": [json.exception.parse_error.101] parse error at line 1, column 1:";
    const std::string weird_line = "JSON Parse Error in \"" + dir.path().string() +
                                   "/we\\\"ird.json\": [json.exception.parse_error.101] parse "
                                   "error at line 1, column 6:";
    EXPECT_EQ(err.find(gone_line), 0u) << err;
    EXPECT_NE(err.find("\n" + weird_line), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(parse_json_files({{dir.path() / "huge.json", "{\"A\":1e999}"}}).empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("JSON Parse Error in \"" +
                                                          dir.path().string() + "/huge.json\": "),
              0u);
}

TEST(Loading, BadFilesDoNotStopTheOthers) {
    TempDir dir("others");
    dir.write("a.json", "{\"LoadOthers\": {");
    dir.write("b.json", "{\"LoadOthers\": {\"->\": 5, \"Fill\": \"#1\"}}");
    dir.write("c.json", "{\"LoadOthersC\": {\"Fill\": {\"link\": 1, \"->\": 2}}}");
    const std::string err = load(dir.path(), "");
    EXPECT_NE(err.find("JSON Parse Error in"), std::string::npos);
    EXPECT_NE(err.find("Layers: ignored non-string \"->\" on style \"LoadOthers\"\n"),
              std::string::npos);
    EXPECT_NE(err.find("Layers: ignored non-string \"link\" on attribute \"Fill\"\n"),
              std::string::npos);
    ASSERT_NE(style_at("LoadOthers"), nullptr);
    EXPECT_EQ(style_at("LoadOthers")->attribute("Fill")->value(), text("#1"));
    EXPECT_EQ(style_at("LoadOthersC")->attribute("Fill")->value(), LValue(2.0));
}

TEST(Loading, MissingDirectoryIsReportedAndEmpty) {
    const std::string missing = "/nonexistent/layers-test-dir";
    EXPECT_EQ(load(missing, "LoadMissing"),
              "Layers::read_json_tree: Could not read directory: " + missing + "\n");
    ASSERT_NE(style_at("LoadMissing"), nullptr);  // the mount style is still made
    EXPECT_TRUE(style_at("LoadMissing")->children().empty());
}

TEST(Loading, DirectoryLoopsDoNotHang) {
    TempDir dir("loop");
    dir.write("x/a.json", "{\"LoadLoop\": 1}");
    std::filesystem::create_directory_symlink(dir.path(), dir.path() / "x" / "back");
    const std::string err = load(dir.path(), "");
    EXPECT_NE(err.find("Skipped directory loop"), std::string::npos) << err;
    EXPECT_NE(style_at("LoadLoop"), nullptr);
}

TEST(Loading, SameTopLevelNameTwiceGivesTwoChildren) {
    TempDir dir("twice");
    dir.write("a.json", "{\"Button\": {\"Fill\": \"#a\"}}");
    dir.write("b.json", "{\"Button\": {\"Fill\": \"#b\"}, \"Alias\": \"S:Button\"}");
    dir.write("c.json", "[{\"X\": 1}, \"Button\"]");
    EXPECT_EQ(load(dir.path(), "LoadTwice"), "");
    LStyle* mount = style_at("LoadTwice");
    EXPECT_EQ(child_names(mount),
              (std::vector<std::string>{"Button", "Button", "Alias", "0", "1"}));
    EXPECT_EQ(style_at("LoadTwice/Button")->attribute("Fill")->value(), text("#b"));
    EXPECT_EQ(style_at("LoadTwice/Alias")->base(), style_at("LoadTwice/Button"));
    EXPECT_EQ(style_at("LoadTwice/1")->base(), style_at("LoadTwice/Button"));
}

TEST(Loading, SlashKeysMergeOrWaitAcrossMounts) {
    TempDir widgets("widgets");
    widgets.write("button.json",
                  R"({"Button":{"Fill":"#1","Radius":2,"Icon":{}},"Button/Badge":{"Dot":1}})");
    EXPECT_EQ(load(widgets.path(), "LoadMerge"), "");
    EXPECT_NE(style_at("LoadMerge/Button/Badge"), nullptr);  // placed at the end of its mount

    TempDir app("app");
    app.write("a.json", R"({"LoadMerge/Button":{"Fill":"#2","Text":"t","Label":{}},)"
                        R"("LoadLater/Child/Leaf":{"A":1},"LoadNever/X":{}})");
    EXPECT_EQ(load(app.path(), ""), "");
    LStyle* button = style_at("LoadMerge/Button");
    EXPECT_EQ(button->attribute("Fill")->value(), text("#2"));
    EXPECT_EQ(button->attribute("Radius")->value(), LValue(2.0));
    EXPECT_EQ(button->attribute("Text")->value(), text("t"));
    EXPECT_EQ(child_names(button),
              (std::vector<std::string>{"@Fill", "@Radius", "Icon", "Badge", "@Text", "Label"}));
    EXPECT_EQ(style_at("LoadLater/Child/Leaf"), nullptr);
    EXPECT_EQ(registry().pending.count("LoadLater/Child/Leaf"), 1u);

    EXPECT_EQ(load_files("later", "", {{"a.json", R"({"LoadLater":{"Child":{}}})"}}), "");
    ASSERT_NE(style_at("LoadLater/Child/Leaf"), nullptr);
    EXPECT_EQ(style_at("LoadLater/Child/Leaf")->attribute("A")->value(), LValue(1.0));
    EXPECT_EQ(registry().pending.count("LoadLater/Child/Leaf"), 0u);
    EXPECT_EQ(style_at("LoadNever/X"), nullptr);
}

TEST(Loading, RepeatedSlashKeyInOneMountKeepsTheLaterOne) {
    EXPECT_EQ(load_files("dup", "", {{"a.json", R"({"LoadDup":{"Button":{}}})"}}), "");
    EXPECT_EQ(load_files("dup2", "",
                         {{"a.json", R"({"LoadDup/Button":{"Fill":"#a","X":{"Y":{},"Z":"S:Y"}}})"},
                          {"b.json", R"({"LoadDup/Button":{"Fill":"#b"}})"}}),
              "");
    LStyle* button = style_at("LoadDup/Button");
    EXPECT_EQ(button->attribute("Fill")->value(), text("#b"));
    EXPECT_EQ(style_at("LoadDup/Button/X"), nullptr);
}

TEST(Loading, MergedCopiesKeepNoBaseInTheFreedStyle) {
    EXPECT_EQ(load_files("remap", "", {{"a.json", R"({"LoadRemap":{"Host":{}}})"}}), "");
    EXPECT_EQ(load_files("remap2", "",
                         {{"a.json", R"({"LoadRemap/Host":{"Box":{"Inner":{"Fill":"#1"},)"
                                     R"("User":"S:Inner"}}})"}}),
              "");
    LStyle* user = style_at("LoadRemap/Host/Box/User");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->base(), style_at("LoadRemap/Host/Box/Inner"));
    EXPECT_EQ(user->attribute("Fill")->value(), text("#1"));
}

TEST(Loading, BaseOnlyAsSlashKeyOfTheSameMountIsNotFound) {
    EXPECT_EQ(load_files("late", "", {{"a.json", R"({"LoadLate":{}})"}}), "");
    EXPECT_EQ(load_files("late2", "",
                         {{"a.json", R"({"LoadLate/Base":{"Fill":"#1"},)"
                                     R"("LoadLateUser":{"->":"LoadLate/Base"}})"}}),
              "");
    ASSERT_NE(style_at("LoadLate/Base"), nullptr);
    EXPECT_EQ(style_at("LoadLateUser")->base(), nullptr);
    EXPECT_EQ(style_at("LoadLateUser")->attribute("Fill"), nullptr);
}

TEST(Loading, MountedSlashKeysArePrefixedWithTheMount) {
    TempDir dir("prefixed");
    dir.write("a.json", R"({"Button/Icon":{"Size":4}})");
    dir.write("b.json", R"({"Button":{}})");
    EXPECT_EQ(load(dir.path(), "LoadPrefixed"), "");
    ASSERT_NE(style_at("LoadPrefixed/Button/Icon"), nullptr);
    EXPECT_EQ(style_at("LoadPrefixed/Button/Icon")->name(), "Icon");
}

TEST(Loading, LinksBindAfterLoading) {
    TempDir dir("links");
    dir.write("a.json", R"({"LoadTheme":{"Primary":"#36393f"},)"
                        R"("LoadUser":{"Fill":"L:LoadTheme/Primary","Text":"L:LoadTheme/Nope"}})");
    EXPECT_EQ(load(dir.path(), ""), "");
    testing::internal::CaptureStderr();
    resolve_links(style_at("LoadUser"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Layers: unresolved link \"L:LoadTheme/Nope\" on attribute \"LoadUser/Text\"\n");
    auto* primary = style_at("LoadTheme")->attribute("Primary");
    primary->set_value(text("#000000"));
    EXPECT_EQ(style_at("LoadUser")->attribute("Fill")->effective_value(), text("#000000"));
}
