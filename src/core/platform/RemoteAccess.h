#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include "app/UiText.h"

namespace varnolt {

// Result codes shared with every dialer: 0 success, 600 pending, above 600 failure.
namespace ras {
constexpr int kSuccess = 0;
constexpr int kPending = 600;
constexpr int kErrorCannotFindPhonebookEntry = 623;
constexpr int kErrorDisconnection = 629;
constexpr int kErrorLineBusy = 676;
constexpr int kErrorNoAnswer = 678;
constexpr int kErrorNoDialtone = 680;
constexpr int kErrorAuthenticationFailure = 691;
// A new entry name the service will not take: not a valid name, already an
// entry's, or one the program keeps for its own settings.
constexpr int kErrorInvalidEntryName = 730;
constexpr int kErrorEntryExists = 731;
constexpr int kErrorReservedEntryName = 732;
// The service leaves this change to its own tools.
constexpr int kErrorNotSupported = 733;

constexpr unsigned kStateConnected = 0x2000;

// Most entries an enumeration ever reports.
constexpr int kMaxEntries = 500;

inline bool IsFailure(int code) {
    return code > kPending;
}

// The words every service uses for the codes they share; none for the others.
inline const char* CommonErrorText(int code) {
    switch (code) {
        case kSuccess:
            return VARNOLT_TEXT("The operation completed successfully.");
        case kPending:
            return VARNOLT_TEXT("The operation is still in progress.");
        case kErrorDisconnection:
            return VARNOLT_TEXT("The connection was closed by the remote side.");
        case kErrorLineBusy:
            return VARNOLT_TEXT("The phone line is busy.");
        case kErrorNoAnswer:
            return VARNOLT_TEXT("The remote side did not answer.");
        case kErrorNoDialtone:
            return VARNOLT_TEXT("There was no dial tone on the line.");
        case kErrorAuthenticationFailure:
            return VARNOLT_TEXT("Access was denied: the user name or password is not valid.");
        default:
            return nullptr;
    }
}
}  // namespace ras

// A connection handle; 0 is the null handle. Never reused for a later call.
using RasHandle = std::uint64_t;

// What a call has moved over its line since it came up.
struct TrafficBytes {
    std::uint64_t sent = 0;
    std::uint64_t received = 0;

    friend bool operator==(const TrafficBytes&, const TrafficBytes&) = default;
};

struct RasDialParams {
    std::string userName;
    std::string password;
};

// The remote-access service: a phonebook of entries and their dialing.
class RemoteAccess {
public:
    // Called on the service's own thread for every state change of a dial; error
    // is 0 while the dial progresses and the failure code when it ends in one.
    using DialNotify = std::function<void(RasHandle handle, unsigned state, int error)>;

    virtual ~RemoteAccess() = default;

    // The entry names in the service's order, at most ras::kMaxEntries.
    virtual std::vector<std::string> EnumEntries() = 0;

    // The service's own dialogs; callers do not examine their results.
    virtual void CreateEntryDialog() = 0;
    virtual void EditEntryDialog(const std::string& entryName) = 0;
    // Remove an entry, or give it a new name (its credentials go with it);
    // 0 or a failure code, whose ErrorString says why for the user.
    virtual int DeleteEntry(const std::string& entryName) = 0;
    virtual int RenameEntry(const std::string& entryName, const std::string& newName) = 0;

    // User name and password of an entry (empty when none is stored);
    // passwordStored tells whether a password is stored.
    virtual int GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                                   bool& passwordStored) = 0;
    // Stores user name and password; removePassword erases the stored password.
    virtual int SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                                   bool removePassword) = 0;

    // Starts a dial and returns at once: 0 or ras::kPending means under way; any
    // other code is an immediate failure, after which a non-null handle must
    // still be hung up. handle is set to null first.
    virtual int Dial(const std::string& entryName, const RasDialParams& params, DialNotify notify,
                     RasHandle& handle) = 0;
    // 0 and the state of the connection, or a failure code.
    virtual int GetConnectStatus(RasHandle handle, unsigned& state) = 0;
    // Ends a dial attempt or a connection. No notification arrives after it returns.
    virtual int HangUp(RasHandle handle) = 0;
    virtual std::string ErrorString(int code) = 0;
    // What the service's own tools said during a dial, for a user finding out
    // why it failed; empty when it keeps nothing of the kind.
    virtual std::string DialOutput(RasHandle /*handle*/) { return {}; }
    // The bytes of a connected call so far; nothing where the service does not count them.
    virtual std::optional<TrafficBytes> Traffic(RasHandle /*handle*/) { return std::nullopt; }
    // Whether a connection of the entry is up that this program did not make:
    // made before it started, or by another program. Such a line is never metered.
    virtual bool IsConnectedOutside(const std::string& /*entryName*/) { return false; }
};

}  // namespace varnolt
