#pragma once

#include <string>
#include <vector>

#include "connection/AutolaunchApplication.h"

namespace varnolt {

class SettingsStore;

// How many applications an entry has, by the rule below, and the description
// of application `number`; for readers that only hold a read-only store.
int AutolaunchLength(const SettingsStore& store, const std::string& entryName);
// The numbers of the stored applications among 1 to that length, ascending:
// what the tree shows, a hand-made gap left out.
std::vector<int> AutolaunchNumbers(const SettingsStore& store, const std::string& entryName);
std::string AutolaunchDescription(const SettingsStore& store, const std::string& entryName,
                                  int number);

// The autolaunch applications of one entry as the store keeps them: a count
// under the entry and one section per application. Its length is the one the
// tree shows (the store's rule for every numbered list), so a hand-edited count
// never sends a reader or a writer beyond what is stored.
class AutolaunchList {
public:
    AutolaunchList(SettingsStore& store, std::string entryName);

    int Length() const;
    // See AutolaunchNumbers.
    std::vector<int> Numbers() const;
    // Application `number` (1 to Length()), missing values read as their defaults.
    AutolaunchApplication Read(int number) const;
    // The highest number whose description is `description`; 0 for none.
    int Find(const std::string& description) const;
    // The tree row of application `number` among its siblings; -1 for none.
    int Row(int number) const;

    // Each change is one transaction; whether it was kept.
    bool Append(const AutolaunchApplication& application);
    bool Replace(int number, const AutolaunchApplication& application);
    // Moves the later applications down one place (a hand-made gap closes as
    // well). The slot freed at the end keeps "<none>", "<none>", 0 above the
    // new count.
    bool Remove(int number);

private:
    void Write(int number, const AutolaunchApplication& application);

    SettingsStore& m_store;
    std::string m_entry;
};

}  // namespace varnolt
