#pragma once

#include <string>

#include "platform/Prompts.h"

namespace varnolt {

// What the dial dialog asks for before an entry is dialed.
struct DialCredentials {
    std::string userName;
    std::string password;
    bool rememberPassword = false;

    bool operator==(const DialCredentials&) const = default;
};

// The dial dialog's title for an entry.
std::string DialDialogTitle(const std::string& entryName);

// The dialog's check on OK: an empty user name is fine, but an empty password
// cannot be remembered; then the message is shown and the dialog stays open.
bool AcceptDialCredentials(const DialCredentials& credentials, Prompts& prompts);

}  // namespace varnolt
