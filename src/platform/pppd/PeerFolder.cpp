#include "PeerFolder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace varnolt::pppd {

PeerFolder::PeerFolder() {
    const char* path = std::getenv(kPathVariable);
    m_path = path != nullptr && *path != '\0' ? path : kDefaultPath;
}

bool PeerFolder::IsPeerName(const std::string& name) {
    // Hidden files, editors' backups and dpkg's and ucf's kept or new copies.
    return !name.empty() && !name.starts_with('.') && !name.ends_with('~') &&
           name.find(".dpkg-") == std::string::npos && name.find(".ucf-") == std::string::npos;
}

std::optional<std::vector<std::string>> PeerFolder::Names(std::size_t limit,
                                                          std::string& problem) const {
    DIR* dir = ::opendir(m_path.c_str());
    if (dir == nullptr) {
        problem = std::strerror(errno);
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        struct stat info {};
        if (IsPeerName(name) && ::stat(FilePath(name).c_str(), &info) == 0 &&
            S_ISREG(info.st_mode)) {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    if (names.size() > limit) {
        names.resize(limit);
    }
    return names;
}

bool PeerFolder::Has(const std::string& name) const {
    struct stat info {};
    return IsPeerName(name) && name.find('/') == std::string::npos &&
           ::stat(FilePath(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace varnolt::pppd
