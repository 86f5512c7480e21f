#include "app/site/ico_writer.h"

#include <cstdint>
#include <limits>

#include "app/site/favicon_files.h"

namespace Scribenta {

namespace {

void put_u8(QByteArray& out, unsigned value) {
    out.append(char(value & 0xffu));
}

void put_u16(QByteArray& out, unsigned value) {
    put_u8(out, value);
    put_u8(out, value >> 8);
}

void put_u32(QByteArray& out, std::uint32_t value) {
    put_u16(out, value & 0xffffu);
    put_u16(out, value >> 16);
}

// The directory stores a dimension in one byte, with 0 standing for 256.
unsigned dimension_byte(int pixels) {
    return pixels >= 256 ? 0u : unsigned(pixels);
}

constexpr std::uint32_t kHeaderSize = 6;
constexpr std::uint32_t kEntrySize = 16;

}  // namespace

std::optional<QByteArray> encode_ico(const QList<QImage>& images) {
    if (images.size() > std::numeric_limits<std::uint16_t>::max()) return std::nullopt;

    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        if (!encode_png(image, png)) return std::nullopt;
        pngs.append(png);
    }

    QByteArray out;
    put_u16(out, 0);  // reserved
    put_u16(out, 1);  // type: icon
    put_u16(out, unsigned(images.size()));

    std::uint64_t offset = kHeaderSize + kEntrySize * std::uint64_t(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const std::uint64_t size = std::uint64_t(pngs[i].size());
        if (offset + size > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
        put_u8(out, dimension_byte(images[i].width()));
        put_u8(out, dimension_byte(images[i].height()));
        put_u8(out, 0);    // colour count
        put_u8(out, 0);    // reserved
        put_u16(out, 1);   // colour planes
        put_u16(out, 32);  // bits per pixel
        put_u32(out, std::uint32_t(size));
        put_u32(out, std::uint32_t(offset));
        offset += size;
    }
    for (const QByteArray& png : pngs) out.append(png);
    return out;
}

bool write_ico_file(const std::filesystem::path& path, const QList<QImage>& images) {
    const std::optional<QByteArray> data = encode_ico(images);
    return data && replace_file(path, *data);
}

}  // namespace Scribenta
