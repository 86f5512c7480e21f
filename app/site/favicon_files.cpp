#include "app/site/favicon_files.h"

#include <QBuffer>
#include <string_view>

#include "config/safe_write.h"

namespace Scribenta {

bool encode_png(const QImage& image, QByteArray& data) {
    data.clear();
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    return image.save(&buffer, "PNG") && !data.isEmpty();
}

bool replace_file(const std::filesystem::path& path, const QByteArray& data) {
    return safe_write_file(path, std::string_view(data.constData(), std::size_t(data.size())));
}

}  // namespace Scribenta
