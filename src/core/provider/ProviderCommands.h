#pragma once

#include "connection/TreeItemKind.h"

namespace varnolt {

class PhonebookTreeLogic;
class PhonebookTreeView;
class Prompts;
class ProviderDialogs;
class SettingsStore;
class SheetHost;

// New, Edit and Delete provider on the Phonebook tree. A provider item carries
// only its description, so it stands for the provider the store finds by it.
class ProviderCommands {
public:
    ProviderCommands(SettingsStore& store, Prompts& prompts, ProviderDialogs& dialogs,
                     PhonebookTreeView& view, SheetHost& host)
        : m_store(store), m_prompts(prompts), m_dialogs(dialogs), m_view(view), m_host(host) {}

    // Hands the three commands to the tree (menu items and keys).
    void InstallInto(PhonebookTreeLogic& tree);

    // On the "Provider" item.
    void New(const TreeItemContext& selected);
    // On a provider item.
    void Edit(const TreeItemContext& selected);
    void Delete(const TreeItemContext& selected);

private:
    SettingsStore& m_store;
    Prompts& m_prompts;
    ProviderDialogs& m_dialogs;
    PhonebookTreeView& m_view;
    SheetHost& m_host;
};

}  // namespace varnolt
