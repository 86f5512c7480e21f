#include "app/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace Scribenta {

bool read_text_file(const std::string& path, std::string& text) {
    if (path.empty()) return false;
    // O_NONBLOCK: opening a pipe must not wait for a writer; the type is then
    // checked on the open descriptor, so a swap after a check can't fool it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    std::string content;
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            ok = false;
        }
    }
    ::close(fd);
    if (ok) text = std::move(content);
    return ok;
}

}  // namespace Scribenta
