#pragma once

#include <map>
#include <string>

#include "platform/CallLock.h"

namespace varnolt {

// The lock of the first running-call journal, beside the store it belongs to.
std::string CallLockPath(const std::string& storePath);

// An advisory lock (flock) per journal slot, each on a file of its own: the
// first slot's at `path`, slot n's at `path` + "." + n, opened when first
// wanted. The kernel drops a lock with the last descriptor of the process
// that took it, so a killed program never leaves it held. A separate opening
// in the same process is a separate holder. The files follow the store's
// rules: created mode 0600, narrowed to that when others could reach them,
// and not used when they belong to another user, are links or are no plain
// files. Without a usable file (no path: the store is not on disk) a slot's
// lock can never be had, so no call is journaled in that slot.
class FileCallLock final : public CallLock {
public:
    explicit FileCallLock(std::string path);
    ~FileCallLock() override;
    FileCallLock(const FileCallLock&) = delete;
    FileCallLock& operator=(const FileCallLock&) = delete;

    bool TryAcquire(int slot) override;
    void Release(int slot) override;

private:
    // The slot's open file; -1 when it cannot be used (said once).
    int File(int slot);

    std::string m_path;
    std::map<int, int> m_fds;
};

}  // namespace varnolt
