#include <cstdint>
#include <string>
#include <vector>

#include "app/site/ico_writer.h"
#include "tests/site/favicon_fixture.h"

namespace Scribenta {
namespace {

using namespace favicon_test;

QImage square(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::blue);
    return image;
}

// Size bytes as the directory stores them: 0 stands for 256 and more.
TEST(EncodeIco, WritesHeaderDirectoryAndPngDataWithoutGaps) {
    const std::optional<QByteArray> ico = encode_ico({square(16), square(255), square(256)});
    ASSERT_TRUE(ico);
    const QByteArray& data = *ico;

    EXPECT_EQ(data.left(6), QByteArray("\x00\x00\x01\x00\x03\x00", 6));

    struct Entry {
        int size;
        unsigned size_byte;
    };
    const std::vector<Entry> entries{{16, 16}, {255, 255}, {256, 0}};
    std::uint32_t offset = 6 + 16 * 3;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        const qsizetype at = 6 + 16 * qsizetype(i);
        EXPECT_EQ(u8(data, at + 0), entries[i].size_byte);  // width
        EXPECT_EQ(u8(data, at + 1), entries[i].size_byte);  // height
        EXPECT_EQ(u8(data, at + 2), 0u);                    // colour count
        EXPECT_EQ(u8(data, at + 3), 0u);                    // reserved
        EXPECT_EQ(u16(data, at + 4), 1u);                   // colour planes
        EXPECT_EQ(u16(data, at + 6), 32u);                  // bits per pixel
        EXPECT_EQ(u32(data, at + 12), offset);
        const std::uint32_t size = u32(data, at + 8);
        const QImage image = QImage::fromData(data.mid(offset, size), "PNG");
        EXPECT_EQ(image.size(), QSize(entries[i].size, entries[i].size));
        offset += size;
    }
    EXPECT_EQ(offset, std::uint32_t(data.size()));
}

TEST(WriteIcoFile, AnImageThatCannotBeEncodedFailsAndKeepsTheOldFile) {
    TempDir dir;
    const auto path = dir.write("favicon.ico", "old icon");
    EXPECT_FALSE(encode_ico({square(16), QImage()}));
    EXPECT_FALSE(write_ico_file(path, {square(16), QImage()}));
    EXPECT_EQ(TempDir::read(path), "old icon");

    EXPECT_TRUE(write_ico_file(path, {square(16)}));
    EXPECT_EQ(TempDir::read(path).substr(0, 6), std::string("\x00\x00\x01\x00\x01\x00", 6));
    EXPECT_EQ(dir.entry_count(), 1u);
}

TEST(WriteIcoFile, AFolderThatIsMissingFails) {
    TempDir dir;
    EXPECT_FALSE(write_ico_file(dir / "missing/favicon.ico", {square(16)}));
    EXPECT_EQ(dir.entry_count(), 0u);
}

}  // namespace
}  // namespace Scribenta
