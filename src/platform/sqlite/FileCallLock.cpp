#include "sqlite/FileCallLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace varnolt {

std::string CallLockPath(const std::string& storePath) {
    return storePath.empty() ? std::string() : storePath + ".lock";
}

FileCallLock::FileCallLock(const std::string& path) {
    if (path.empty()) {
        return;
    }
    // Never follows a link, and a named pipe in its place does not block the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                          S_IRUSR | S_IWUSR);
    struct stat st {};
    std::string problem;
    if (fd < 0) {
        problem = std::strerror(errno);
    } else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = "it is no plain file";
    } else if (st.st_uid != ::geteuid()) {
        problem = "it belongs to another user";
    } else if ((st.st_mode & 077) != 0) {
        ::fchmod(fd, st.st_mode & 0700);
    }
    if (problem.empty()) {
        m_fd = fd;
        return;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    std::cerr << "varnolt: " + path + " cannot be used (" + problem +
                     "), so a running call is not journaled in this run\n";
}

FileCallLock::~FileCallLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool FileCallLock::TryAcquire() {
    if (m_fd < 0) {
        return false;
    }
    int result = 0;
    while ((result = ::flock(m_fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

void FileCallLock::Release() {
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
    }
}

}  // namespace varnolt
