#include "config/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

bool fail(std::string* error, const fs::path& path, const char* what, int err) {
    if (error) {
        *error = "Could not write " + path.string() + ": " + what + " (" + std::strerror(err) + ")";
    }
    return false;
}

bool set_text(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

// Follows a chain of symbolic links so the rename replaces the file the
// user edits, not the link that points at it.
fs::path follow_links(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        fs::path next = fs::read_symlink(path, ec);
        if (ec) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// Opens a new, uniquely named file beside the target. O_EXCL keeps us from
// ever reusing someone else's file; the 0666 mode lets the umask decide the
// bits of a file that did not exist before.
int open_temporary(const fs::path& target, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                         "-" + std::to_string(counter++));
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool write_all(int fd, std::string_view text) {
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Writes `text` to a new temporary file beside `target` and closes it, every
// step checked; on failure nothing is left behind. When the temporary file
// cannot be created, `open_error` (if not null) receives the reason.
bool write_temporary(const fs::path& path, const fs::path& target, std::string_view text,
                     fs::path& temp, std::string* error, int* open_error = nullptr) {
    int fd = open_temporary(target, temp);
    if (fd < 0) {
        if (open_error) *open_error = errno;
        return fail(error, path, "cannot create a temporary file", errno);
    }

    auto abandon = [&](const char* what) {
        int err = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return fail(error, path, what, err);
    };

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (::fchmod(fd, existing.st_mode & 07777) != 0) return abandon("cannot copy permissions");
        // Ownership can only be kept by a privileged process; otherwise the
        // writer owns the new file, as with any editor that saves by rename.
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) errno = 0;
    }
    if (!write_all(fd, text)) return abandon("write failed");
    if (::fsync(fd) != 0) return abandon("flush failed");
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon("close failed");
    return true;
}

// Whether a temporary file could not be made because the folder refuses new
// entries, while the target itself may still be written.
bool folder_refused(int err) {
    return err == EACCES || err == EPERM || err == EROFS;
}

// The fallback for a writable file in a folder that takes no new entries:
// the same bytes written over the file itself. Only a regular file is
// opened (without blocking, so a pipe cannot hang us), and every step is
// checked; a failure after the truncation is reported, since the file may
// then be short.
bool write_in_place(const fs::path& path, const fs::path& target, std::string_view text,
                    std::string* error) {
    int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return fail(error, path, "cannot open the file for writing", errno);
    auto abandon = [&](const char* what) {
        int err = errno;
        ::close(fd);
        return fail(error, path, what, err);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return abandon("cannot inspect the file");
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return abandon("not a regular file");
    }
    if (::ftruncate(fd, 0) != 0) return abandon("cannot truncate the file");
    if (!write_all(fd, text)) return abandon("write failed");
    if (::fsync(fd) != 0) return abandon("flush failed");
    if (::close(fd) != 0) return fail(error, path, "close failed", errno);
    return true;
}

}  // namespace

bool safe_write_file(const fs::path& path, std::string_view text, std::string* error) {
    const fs::path target = follow_links(path);
    // A rename needs only the folder to be writable; a file the user may not
    // write must still be refused, as a write in place would refuse it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        return fail(error, path, "the file is not writable", errno);
    }
    fs::path temp;
    int open_error = 0;
    std::string temp_error;
    if (!write_temporary(path, target, text, temp, &temp_error, &open_error)) {
        // A folder that takes no new entries cannot hold the temporary file;
        // an existing file there that the user may write is then written in
        // place rather than refused.
        std::error_code ec;
        if (folder_refused(open_error) && fs::is_regular_file(target, ec)) {
            return write_in_place(path, target, text, error);
        }
        return set_text(error, temp_error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return fail(error, path, "cannot replace the file", err);
    }
    return true;
}

bool safe_create_file(const fs::path& path, std::string_view text, std::string* error) {
    fs::path temp;
    if (!write_temporary(path, path, text, temp, error)) return false;
    // link() refuses an existing name atomically, so a file that appeared
    // since the caller looked is never overwritten.
    int linked = ::link(temp.c_str(), path.c_str());
    int err = errno;
    ::unlink(temp.c_str());
    if (linked != 0) return fail(error, path, "cannot create the file", err);
    return true;
}

}  // namespace Scribenta
