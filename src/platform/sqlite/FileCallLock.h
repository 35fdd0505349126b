#pragma once

#include <string>

#include "platform/CallLock.h"

namespace varnolt {

// The lock of the running-call journal beside the store it belongs to.
std::string CallLockPath(const std::string& storePath);

// An advisory lock (flock) on a file of its own: the kernel drops it with the
// last descriptor of the process that took it, so a killed program never
// leaves it held. A separate opening in the same process is a separate
// holder. The file follows the store's rules: created mode 0600, narrowed to
// that when others could reach it, and not used when it belongs to another
// user, is a link or is no plain file. Without a usable file (no path: the
// store is not on disk) the lock can never be had, so no call is journaled.
class FileCallLock final : public CallLock {
public:
    explicit FileCallLock(const std::string& path);
    ~FileCallLock() override;
    FileCallLock(const FileCallLock&) = delete;
    FileCallLock& operator=(const FileCallLock&) = delete;

    bool TryAcquire() override;
    void Release() override;

private:
    int m_fd = -1;
};

}  // namespace varnolt
