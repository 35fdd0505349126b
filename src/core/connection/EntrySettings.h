#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace varnolt {

class SettingsStore;

// What the store keeps under an entry's name: its section, its autolaunch
// sections, its place in the providers' lists and the autoconnect choice.
// The log and the overall total are the calls', not the entry's, and stay.
// Each change is one store transaction; call the service before, never in it.
class EntrySettings {
public:
    explicit EntrySettings(SettingsStore& store) : m_store(store) {}

    // The entry is gone: drops its sections and takes it out of every
    // provider. An autoconnect choice naming it stays (start-up reports a
    // missing entry). Whether it was kept.
    bool Remove(const std::string& entryName);
    // The entry is now called newName: its sections and provider places move
    // there, and an autoconnect choice naming it follows. Whatever was stored
    // under newName before belonged to no entry and is dropped.
    bool Move(const std::string& entryName, const std::string& newName);

private:
    // Removes the entry's section and autolaunch sections.
    void RemoveSections(const std::string& entryName);
    // A section's values of either kind, in key order.
    using Values = std::vector<std::pair<std::string, std::variant<int, std::string>>>;
    Values Read(const std::string& section) const;
    void Write(const std::string& section, const Values& values);
    // Rewrites each provider listing the entry: renamed, or left out for an
    // empty newName.
    void ReplaceInProviders(const std::string& entryName, const std::string& newName);

    SettingsStore& m_store;
};

}  // namespace varnolt
