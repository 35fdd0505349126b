#pragma once

#include "connection/TreeItemKind.h"

namespace varnolt {

class ConnectionDialogs;
class PhonebookTreeLogic;
class PhonebookTreeView;
class Prompts;
class SettingsStore;

// Insert, Edit and Delete application on the Phonebook tree. An application
// item carries only its description, so it stands for the highest-numbered
// application of its entry with that description; that application's item is
// the one the tree then changes.
class AutolaunchCommands {
public:
    AutolaunchCommands(SettingsStore& store, Prompts& prompts, ConnectionDialogs& dialogs,
                       PhonebookTreeView& view)
        : m_store(store), m_prompts(prompts), m_dialogs(dialogs), m_view(view) {}

    // Hands the three commands to the tree (menu items, keys, double click).
    void InstallInto(PhonebookTreeLogic& tree);

    // On an entry's "Autolaunch" item.
    void Insert(const TreeItemContext& selected);
    // On an application item.
    void Edit(const TreeItemContext& selected);
    void Delete(const TreeItemContext& selected);

private:
    SettingsStore& m_store;
    Prompts& m_prompts;
    ConnectionDialogs& m_dialogs;
    PhonebookTreeView& m_view;
};

}  // namespace varnolt
