#pragma once

#include "connection/TreeItemKind.h"

namespace varnolt {

class ConnectionDialogs;
class PhonebookTreeLogic;
class PhonebookTreeView;
class RemoteAccess;
class SettingsStore;

// "Edit login settings" on an entry's "Login settings" item or one of its
// children: user name and password go to the service, the redial delay to the
// store, and the three items then show what was stored.
class LoginSettingsCommand {
public:
    LoginSettingsCommand(SettingsStore& store, RemoteAccess& dialer, ConnectionDialogs& dialogs,
                         PhonebookTreeView& view)
        : m_store(store), m_dialer(dialer), m_dialogs(dialogs), m_view(view) {}

    // Hands the command to the tree (menu item, double click).
    void InstallInto(PhonebookTreeLogic& tree);
    void Run(const TreeItemContext& selected);

private:
    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    ConnectionDialogs& m_dialogs;
    PhonebookTreeView& m_view;
};

}  // namespace varnolt
