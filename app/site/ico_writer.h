#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <filesystem>
#include <optional>

namespace Scribenta {

// An ICO container holding each image PNG-encoded, in order: a 6-byte
// header (reserved 0, type 1, count), one 16-byte directory entry per image
// (width and height bytes, 0 for 256 or more; colour count 0; reserved 0;
// planes 1; 32 bits per pixel; data size; data offset from the file start),
// then the PNG data without gaps. All integers little-endian. Empty when an
// image cannot be encoded or there are more images than the count can hold.
std::optional<QByteArray> encode_ico(const QList<QImage>& images);

// Replaces `path` with `encode_ico(images)`, whole or not at all; true when
// every byte was written.
bool write_ico_file(const std::filesystem::path& path, const QList<QImage>& images);

}  // namespace Scribenta
