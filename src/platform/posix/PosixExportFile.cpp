#include "posix/PosixExportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <random>
#include <streambuf>
#include <utility>
#include <vector>

namespace varnolt {
namespace {

// Stream bytes into a descriptor, remembering the first write the system refused.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : m_fd(fd), m_buffer(64 * 1024) { Reset(); }

    int error() const { return m_error; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    void Reset() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

    bool Drain() {
        if (m_error != 0) {
            return false;
        }
        for (const char* next = pbase(); next < pptr();) {
            const ssize_t written = ::write(m_fd, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                m_error = written < 0 ? errno : EIO;
                return false;
            }
            next += written;
        }
        Reset();
        return true;
    }

    int m_fd;
    std::vector<char> m_buffer;
    int m_error = 0;
};

// The new file in the chosen folder; removed unless it was renamed into place.
struct TempFile {
    std::string path;
    int fd = -1;
    bool placed = false;

    ~TempFile() {
        if (fd >= 0) {
            ::close(fd);
        }
        if (!path.empty() && !placed) {
            ::unlink(path.c_str());
        }
    }
};

std::optional<ExportOutcome> Refusal(const struct stat& existing) {
    switch (existing.st_mode & S_IFMT) {
        case S_IFREG:
            // Another user's file is theirs to replace, even where this user could.
            if (existing.st_uid != ::geteuid()) {
                return ExportOutcome::OtherUsersFile;
            }
            return std::nullopt;
        case S_IFLNK:
            return std::nullopt;  // replaced by the new file, never followed
        case S_IFDIR:
            return ExportOutcome::IsFolder;
        case S_IFIFO:
            return ExportOutcome::IsPipe;
        case S_IFSOCK:
            return ExportOutcome::IsSocket;
        default:
            return ExportOutcome::IsDevice;
    }
}

// Creates a new file of a name nobody has used in `folder` (O_EXCL: never an
// existing file, never through a link); its descriptor, or -1 with errno.
int CreateNew(const std::string& folder, mode_t mode, std::string& path) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17] = {};
        std::to_chars(suffix, suffix + 16, random(), 16);
        path = folder + "/.varnolt-export-" + suffix;
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0) {
                path.clear();
            }
            return fd;
        }
    }
    path.clear();
    return -1;
}

ExportResult Failure(int error) {
    return {ExportOutcome::Failed, error};
}

}  // namespace

ExportResult PosixExportFile::Write(const std::string& path,
                                    const std::function<void(std::ostream&)>& fill) {
    struct stat existing {};
    const bool exists = ::lstat(path.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return Failure(errno);
    }
    if (exists) {
        if (const std::optional<ExportOutcome> refusal = Refusal(existing)) {
            return {*refusal, 0};
        }
    }
    const bool replacesFile = exists && S_ISREG(existing.st_mode);

    // Beside the chosen name, so the rename stays within one file system.
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    TempFile temp;
    // A file that replaces one of the user's starts private and takes that
    // file's permissions, so nobody the old file kept out can open it.
    temp.fd = CreateNew(folder, replacesFile ? 0600 : 0666, temp.path);
    if (temp.fd < 0) {
        return Failure(errno);
    }
    if (replacesFile && ::fchmod(temp.fd, existing.st_mode & 0777) != 0) {
        return Failure(errno);
    }

    DescriptorBuffer buffer(temp.fd);
    std::ostream out(&buffer);
    fill(out);
    out.flush();
    if (buffer.error() != 0) {
        return Failure(buffer.error());
    }
    if (!out) {
        return Failure(EIO);
    }
    // A full disk may show only when the data reaches it.
    if (::fsync(temp.fd) != 0) {
        return Failure(errno);
    }
    const int fd = std::exchange(temp.fd, -1);
    if (::close(fd) != 0) {
        return Failure(errno);
    }
    if (::rename(temp.path.c_str(), path.c_str()) != 0) {
        return Failure(errno);
    }
    temp.placed = true;
    return {};
}

}  // namespace varnolt
