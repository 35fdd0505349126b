#pragma once

#include <mutex>
#include <string>

struct sqlite3;

namespace varnolt::pppd {

// The user name and password this program gives pppd for a peer.
struct PeerLogin {
    std::string userName;
    std::string password;
    bool passwordStored = false;
};

// The pppd service's own login database, beside the settings store and
// readable by the user only (OpenPrivateDatabase's rules): never the settings
// store, never printed. Safe to use from any thread.
class PppdLogins {
public:
    explicit PppdLogins(const std::string& path);
    ~PppdLogins();
    PppdLogins(const PppdLogins&) = delete;
    PppdLogins& operator=(const PppdLogins&) = delete;

    // Why the file was refused, for the user; empty when it was not.
    const std::string& Refusal() const { return m_refusal; }

    // The peer's login; empty when none is kept.
    PeerLogin Find(const std::string& peer) const;
    // Whether it was kept.
    bool Store(const std::string& peer, const PeerLogin& login);

private:
    mutable std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    std::string m_refusal;
};

}  // namespace varnolt::pppd
