#pragma once

#include <string>

namespace varnolt {

class SettingsStore;

// The entry or provider dialed at start-up, kept in the section "_Autoconnect".
// Switching autoconnect off writes only "Autoconnect"; the type and the entry
// keep their last values.
struct AutoconnectChoice {
    static constexpr const char* kSection = "_Autoconnect";
    static constexpr const char* kOnKey = "Autoconnect";
    static constexpr const char* kTypeKey = "Type";
    static constexpr const char* kEntryKey = "Entry";
    // The two types the program writes; anything else is read as it stands.
    static constexpr const char* kPhonebook = "Phonebook";
    static constexpr const char* kProvider = "Provider";
    static constexpr const char* kUnknownEntry = "<unknown>";

    bool on = false;  // "Autoconnect" not 0
    std::string type = kPhonebook;
    // An entry's name or a provider's description.
    std::string entry = kUnknownEntry;

    // The stored choice, the defaults for what is missing.
    static AutoconnectChoice Read(const SettingsStore& store);
};

}  // namespace varnolt
