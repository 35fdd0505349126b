#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnolt::pppd {

// pppd's peers folder: one file per peer, dialed with "pppd call NAME".
class PeerFolder {
public:
    static constexpr const char* kDefaultPath = "/etc/ppp/peers";
    static constexpr const char* kPathVariable = "VARNOLT_PPP_PEERS";

    // The folder named by VARNOLT_PPP_PEERS, else /etc/ppp/peers.
    PeerFolder();
    explicit PeerFolder(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    // The peers' names sorted, at most limit of them: regular files (or links
    // to them), without hidden files and without the copies editors and
    // package tools leave behind. Nothing, with the system's reason in
    // problem, when the folder cannot be read.
    std::optional<std::vector<std::string>> Names(std::size_t limit, std::string& problem) const;
    // Whether name is one of Names().
    bool Has(const std::string& name) const;
    std::string FilePath(const std::string& name) const { return m_path + "/" + name; }

    // Whether a file of that name in the folder is a peer at all.
    static bool IsPeerName(const std::string& name);

private:
    std::string m_path;
};

}  // namespace varnolt::pppd
