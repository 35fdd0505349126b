#pragma once

#include "connection/TreeItemKind.h"

namespace varnolt {

class ConnectionDialogs;
class Locale;
class PhonebookTreeLogic;
class Prompts;
class RemoteAccess;
class SettingsStore;
class SheetHost;

// Delete and Rename entry on the Phonebook tree. The service changes its
// phonebook first; only once it has, the store follows, so a refusal changes
// nothing. Afterwards the tree is rebuilt and the autoconnect lists refill.
class EntryCommands {
public:
    struct Services {
        SettingsStore& store;
        RemoteAccess& dialer;
        const Locale& locale;
        Prompts& prompts;
        ConnectionDialogs& dialogs;
        SheetHost& host;
    };

    EntryCommands(const Services& services, PhonebookTreeLogic& tree)
        : m_services(services), m_tree(tree) {}

    // Hands both commands to the tree (the entry's menu).
    void InstallInto(PhonebookTreeLogic& tree);

    // On an entry item.
    void Delete(const TreeItemContext& selected);
    void Rename(const TreeItemContext& selected);

private:
    // Not while a call is dialed or up; says so, false then.
    bool Idle(const char* title);
    // Says why the service refused; false then.
    bool Accepted(int code, const char* title);
    void Refresh(const TreeItemContext& selected, const std::string* shownName);

    Services m_services;
    PhonebookTreeLogic& m_tree;
};

}  // namespace varnolt
