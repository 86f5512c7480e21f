#pragma once

#include <QByteArray>
#include <QImage>
#include <filesystem>

namespace Scribenta {

// Encodes `image` as PNG (default quality) into `data`; false when the
// encoder fails, e.g. for a null image.
bool encode_png(const QImage& image, QByteArray& data);

// Replaces the file at `path` with `data` whole or not at all, so a failed
// regeneration never leaves a short icon where a good one was.
bool replace_file(const std::filesystem::path& path, const QByteArray& data);

}  // namespace Scribenta
