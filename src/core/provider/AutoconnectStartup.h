#pragma once

#include "app/UiText.h"

namespace varnolt {

class PhonebookTreeLogic;
class PhonebookTreeView;
class Prompts;
class RemoteAccess;
class SettingsStore;

// Dials the stored autoconnect choice once the Phonebook tree is built: finds
// its item in the tree, selects it and presses "&Dial" as a user would.
class AutoconnectStartup {
public:
    static constexpr const char* kNoEntryText =
        VARNOLT_TEXT("The phonebookentry you selected for autoconnecting doesn't exist !");
    static constexpr const char* kNoProviderText =
        VARNOLT_TEXT("The providerentry you selected for autoconnecting doesn't exist !");
    static constexpr const char* kTitle = VARNOLT_TEXT("Error..");

    AutoconnectStartup(const SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                       PhonebookTreeView& view, PhonebookTreeLogic& tree)
        : m_store(store), m_dialer(dialer), m_prompts(prompts), m_view(view), m_tree(tree) {}

    // Runs once; later calls do nothing, whatever the store says by then.
    void Run();

private:
    const SettingsStore& m_store;
    RemoteAccess& m_dialer;
    Prompts& m_prompts;
    PhonebookTreeView& m_view;
    PhonebookTreeLogic& m_tree;
    bool m_ran = false;
};

}  // namespace varnolt
