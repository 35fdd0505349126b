#pragma once

#include <optional>
#include <string>

#include "connection/AutolaunchApplication.h"
#include "connection/DialDialogForm.h"
#include "connection/LoginSettingsForm.h"

namespace varnolt {

// The Phonebook page's modal dialogs. Each opens on the given values, runs its
// own checks and hands back what was entered, or nothing when cancelled.
class ConnectionDialogs {
public:
    virtual ~ConnectionDialogs() = default;

    // "Edit login settings".
    virtual std::optional<LoginSettings> EditLoginSettings(const LoginSettings& initial) = 0;
    // "Connect to <entry>", asked before dialing an entry that cannot be dialed as stored.
    virtual std::optional<DialCredentials> AskDialCredentials(const std::string& entryName,
                                                              const DialCredentials& initial) = 0;
    // "Autolaunch application".
    virtual std::optional<AutolaunchApplication> EditAutolaunchApplication(
        const AutolaunchApplication& initial) = 0;
    // "Rename entry": the new name of entryName, as typed (the service checks it).
    virtual std::optional<std::string> AskNewEntryName(const std::string& entryName) = 0;
};

}  // namespace varnolt
