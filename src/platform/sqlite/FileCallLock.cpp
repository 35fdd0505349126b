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

FileCallLock::FileCallLock(std::string path) : m_path(std::move(path)) {}

FileCallLock::~FileCallLock() {
    for (const auto& [slot, fd] : m_fds) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

int FileCallLock::File(int slot) {
    if (m_path.empty() || slot < 1) {
        return -1;
    }
    if (const auto known = m_fds.find(slot); known != m_fds.end()) {
        return known->second;
    }
    const std::string path = slot == 1 ? m_path : m_path + "." + std::to_string(slot);
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
        return m_fds[slot] = fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    std::cerr << "varnolt: " + path + " cannot be used (" + problem +
                     "), so no running call is journaled under it in this run\n";
    return m_fds[slot] = -1;
}

bool FileCallLock::TryAcquire(int slot) {
    const int fd = File(slot);
    if (fd < 0) {
        return false;
    }
    int result = 0;
    while ((result = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

void FileCallLock::Release(int slot) {
    if (const auto known = m_fds.find(slot); known != m_fds.end() && known->second >= 0) {
        ::flock(known->second, LOCK_UN);
    }
}

}  // namespace varnolt
