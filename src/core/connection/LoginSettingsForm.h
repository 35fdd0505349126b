#pragma once

#include <string>
#include <string_view>

#include "platform/Prompts.h"

namespace varnolt {

// An entry's redial delay in seconds, as its section keeps it.
inline constexpr const char* kRedialAfterKey = "Redial after";
inline constexpr int kDefaultRedialDelay = 10;

// An entry's login settings as the "Edit login settings" dialog shows them.
struct LoginSettings {
    std::string userName;
    std::string password;
    int redialDelay = kDefaultRedialDelay;  // seconds

    bool operator==(const LoginSettings&) const = default;
};

// The redial field's range; the field itself never shows anything else.
inline constexpr int kMinRedialDelay = 1;
inline constexpr int kMaxRedialDelay = 3600;

// The dialog's check on OK: a user name is required, else the message is shown
// and the dialog stays open.
bool AcceptLoginSettings(const LoginSettings& settings, Prompts& prompts);

// The redial field's text as a decimal number; 10 when it holds none.
int ReadRedialDelay(std::string_view fieldText);

}  // namespace varnolt
