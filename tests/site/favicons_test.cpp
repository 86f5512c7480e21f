#include <sys/stat.h>

#include <QByteArray>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/site/favicon_hook.h"
#include "app/site/favicons.h"
#include "tests/config/unprivileged.h"
#include "tests/site/favicon_fixture.h"

namespace Scribenta {
namespace {

using namespace favicon_test;
namespace fs = std::filesystem;

const std::vector<std::string> kSetFiles{"favicon-16x16.png",          "favicon-32x32.png",
                                         "apple-touch-icon.png",       "android-chrome-192x192.png",
                                         "android-chrome-512x512.png", "favicon.ico"};

std::set<std::string> files_in(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::set<std::string> first_files(std::size_t count) {
    return {kSetFiles.begin(), kSetFiles.begin() + std::ptrdiff_t(count)};
}

struct SourceCase {
    const char* name;
    std::string (*make)(const TempDir&);
};

void PrintTo(const SourceCase& c, std::ostream* out) {
    *out << c.name;
}

class FaviconSet : public testing::TestWithParam<SourceCase> {};

// The 300 x 100 red source leaves the top rows to the fill: transparent in
// the small icons, the background colour in the large ones, red in the
// middle of every icon.
TEST_P(FaviconSet, WritesSixFilesOfTheirSizesOnTheirFill) {
    TempDir dir;
    const std::string source = GetParam().make(dir);
    const fs::path out = dir / "site/favicon";

    ASSERT_EQ(generate_favicons({source, out.string(), "#336699"}), "");

    struct Expected {
        const char* file;
        int size;
        QRgb top;
    };
    for (const Expected& e :
         {Expected{"favicon-16x16.png", 16, kClear}, Expected{"favicon-32x32.png", 32, kClear},
          Expected{"apple-touch-icon.png", 180, 0xff336699},
          Expected{"android-chrome-192x192.png", 192, 0xff336699},
          Expected{"android-chrome-512x512.png", 512, 0xff336699}}) {
        SCOPED_TRACE(e.file);
        const QImage image = load(out / e.file);
        ASSERT_EQ(image.size(), QSize(e.size, e.size));
        EXPECT_EQ(image.pixel(e.size / 2, 0), e.top);
        EXPECT_EQ(image.pixel(e.size / 2, e.size - 1), e.top);
        EXPECT_EQ(image.pixel(e.size / 2, e.size / 2), kRed);
    }
    // Nothing but the set: no temporary file is left behind.
    EXPECT_EQ(files_in(out), first_files(6));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, FaviconSet,
    testing::Values(SourceCase{"Raster", [](const TempDir& d) { return wide_png(d); }},
                    SourceCase{"Svg", [](const TempDir& d) { return wide_svg(d); }},
                    SourceCase{"SvgInCapitals",
                               [](const TempDir& d) { return wide_svg(d, "Logo.SVG"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// favicon.ico: three PNG images of 16, 32 and 48 pixels on transparency;
// the two smaller ones are the same pictures as the PNG files.
TEST(FaviconIco, HoldsThreeTransparentPngImagesFromOffset54) {
    TempDir dir;
    const fs::path out = dir / "favicon";
    ASSERT_EQ(generate_favicons({wide_svg(dir), out.string(), "white"}), "");
    const std::string bytes = TempDir::read(out / "favicon.ico");
    const QByteArray data(bytes.data(), qsizetype(bytes.size()));

    ASSERT_GE(data.size(), 54);
    EXPECT_EQ(data.left(6), QByteArray("\x00\x00\x01\x00\x03\x00", 6));

    struct Entry {
        unsigned width, height, colours, reserved, planes, bits;
        const char* same_as;
    };
    const std::vector<Entry> entries{{16, 16, 0, 0, 1, 32, "favicon-16x16.png"},
                                     {32, 32, 0, 0, 1, 32, "favicon-32x32.png"},
                                     {48, 48, 0, 0, 1, 32, nullptr}};
    std::uint32_t offset = 54;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        const Entry& e = entries[i];
        const qsizetype at = 6 + 16 * qsizetype(i);
        EXPECT_EQ(u8(data, at + 0), e.width);
        EXPECT_EQ(u8(data, at + 1), e.height);
        EXPECT_EQ(u8(data, at + 2), e.colours);
        EXPECT_EQ(u8(data, at + 3), e.reserved);
        EXPECT_EQ(u16(data, at + 4), e.planes);
        EXPECT_EQ(u16(data, at + 6), e.bits);
        EXPECT_EQ(u32(data, at + 12), offset);
        const std::uint32_t size = u32(data, at + 8);

        const QImage image =
            QImage::fromData(data.mid(offset, size), "PNG").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(int(e.width), int(e.width)));
        EXPECT_EQ(image.pixel(int(e.width) / 2, 0), kClear);
        EXPECT_EQ(image.pixel(int(e.width) / 2, int(e.width) / 2), kRed);
        if (e.same_as) {
            EXPECT_EQ(image, load(out / e.same_as));
        }
        offset += size;
    }
    EXPECT_EQ(offset, std::uint32_t(data.size()));
}

TEST(FaviconBackground, IsReadAsAColourNameAndDefaultsToWhite) {
    struct Case {
        const char* background;
        QRgb large_icons;
    };
    for (const Case& c :
         {Case{"", 0xffffffff}, Case{"#AbCdEf", 0xffabcdef}, Case{"#fff", 0xffffffff},
          Case{"navy", 0xff000080}, Case{"transparent", kClear}}) {
        SCOPED_TRACE(c.background);
        TempDir dir;
        const fs::path out = dir / "favicon";
        ASSERT_EQ(generate_favicons({wide_png(dir), out.string(), c.background}), "");
        EXPECT_EQ(load(out / "apple-touch-icon.png").pixel(90, 0), c.large_icons);
        EXPECT_EQ(load(out / "android-chrome-512x512.png").pixel(256, 0), c.large_icons);
        EXPECT_EQ(load(out / "favicon-32x32.png").pixel(16, 0), kClear);
    }
}

TEST(FaviconBackground, ARegenerationReplacesTheWholeSet) {
    TempDir dir;
    const fs::path out = dir / "favicon";
    ASSERT_EQ(generate_favicons({wide_png(dir), out.string(), "navy"}), "");
    ASSERT_EQ(generate_favicons({wide_svg(dir), out.string(), "#00ff00"}), "");
    EXPECT_EQ(load(out / "android-chrome-192x192.png").pixel(96, 0), 0xff00ff00u);
    EXPECT_EQ(files_in(out), first_files(6));
}

// Each failure names its cause; the checks run in the order source, colour,
// output folder, PNG files, ICO, so every case below also carries the
// faults of the later checks, and files written before a failure stay.
TEST(FaviconErrors, ReportTheFirstFailureInCheckOrder) {
    struct Case {
        const char* name;
        const char* source;  // file in the test folder
        const char* background;
        const char* out;      // folder in the test folder
        const char* blocked;  // a folder put where this output file goes
        const char* error;    // "@" stands for the test folder
        std::size_t files_written;
    };
    const std::vector<Case> cases{
        {"missing raster", "missing.png", "#12345", "file/favicon", nullptr,
         "Could not read @/missing.png as an image.", 0},
        {"missing svg", "missing.svg", "#12345", "file/favicon", nullptr,
         "Could not read @/missing.svg as an SVG.", 0},
        {"raster named svg", "raster.svg", "#12345", "file/favicon", nullptr,
         "Could not read @/raster.svg as an SVG.", 0},
        {"svgz is read as raster", "text.svgz", "#12345", "file/favicon", nullptr,
         "Could not read @/text.svgz as an image.", 0},
        {"empty raster", "empty.png", "#12345", "file/favicon", nullptr,
         "Could not read @/empty.png as an image.", 0},
        {"five hex digits", "wide.png", "#12345", "file/favicon", nullptr,
         "Background \"#12345\" is not a valid color.", 0},
        {"unknown colour name", "wide.svg", "reddish", "file/favicon", nullptr,
         "Background \"reddish\" is not a valid color.", 0},
        {"folder under a file", "wide.png", "", "file/favicon", nullptr,
         "Could not create @/file/favicon.", 0},
        {"first png", "wide.png", "", "out", "favicon-16x16.png",
         "Could not write favicon-16x16.png.", 0},
        {"third png", "wide.svg", "", "out", "apple-touch-icon.png",
         "Could not write apple-touch-icon.png.", 2},
        {"last png", "wide.png", "", "out", "android-chrome-512x512.png",
         "Could not write android-chrome-512x512.png.", 4},
        {"ico", "wide.svg", "", "out", "favicon.ico", "Could not write favicon.ico.", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        wide_png(dir);
        wide_png(dir, "raster.svg");
        wide_svg(dir);
        dir.write("text.svgz", "not an image");
        dir.write("empty.png", "");
        dir.write("file", "a file, not a folder");
        const fs::path out = dir / c.out;
        if (c.blocked) fs::create_directories(out / c.blocked);

        std::string error = c.error;
        if (const auto at = error.find('@'); at != std::string::npos) {
            error.replace(at, 1, dir.path().string());
        }
        EXPECT_EQ(generate_favicons({(dir / c.source).string(), out.string(), c.background}),
                  error);

        std::set<std::string> expected = first_files(c.files_written);
        if (c.blocked) expected.insert(c.blocked);
        EXPECT_EQ(files_in(out), expected);
    }
}

// Without the right to write into the folder nothing is written, the first
// file is named, and a set already there is kept whole.
TEST(FaviconErrors, AReadOnlyFolderKeepsTheOldSet) {
    TempDir dir;
    const std::string source = wide_png(dir);
    const fs::path out = dir / "favicon";
    ASSERT_EQ(generate_favicons({source, out.string(), ""}), "");
    const std::string old_icon = TempDir::read(out / "favicon-16x16.png");
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(out.c_str(), 0555);

    EXPECT_TRUE(run_unprivileged([&] {
        return generate_favicons({source, out.string(), "navy"}) ==
               "Could not write favicon-16x16.png.";
    }));
    EXPECT_EQ(TempDir::read(out / "favicon-16x16.png"), old_icon);
    EXPECT_EQ(files_in(out), first_files(6));
    ::chmod(out.c_str(), 0755);
}

TEST(FaviconHookInstall, PutsTheGeneratorIntoTheHook) {
    favicon_generator() = nullptr;
    install_favicon_generator();
    ASSERT_TRUE(favicon_generator());

    TempDir dir;
    const fs::path out = dir / "favicon";
    EXPECT_EQ(favicon_generator()({wide_svg(dir), out.string(), ""}), "");
    EXPECT_EQ(files_in(out), first_files(6));
    favicon_generator() = nullptr;
}

}  // namespace
}  // namespace Scribenta
