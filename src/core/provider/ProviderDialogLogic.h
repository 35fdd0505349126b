#pragma once

#include <optional>
#include <string>
#include <vector>

#include "provider/ProviderDialogView.h"

namespace varnolt {

class Prompts;
class RemoteAccess;
class SettingsStore;

// What the Provider dialog decides: which entries it offers, how entries move
// between its two lists, and what OK checks and saves. Entries keep the order
// in which they were moved, and that is the provider's dialing order.
class ProviderDialogLogic {
public:
    // `description` is the caller's: OK overwrites it with what was typed.
    // `number` is the provider's, 0 for a new one.
    ProviderDialogLogic(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                        ProviderDialogView& view, std::string& description, int number);

    // Shows the description, every phonebook entry not in the provider, and
    // the provider's entries.
    void Open();
    // ">>" (from Available) or "<<" (from Provider), and a double click in a
    // list: moves the entry at `index` under the list's root to the end of the
    // other list. Nothing happens for no entry (nullopt: nothing or the root
    // selected).
    void Move(ProviderDialogView::List from, std::optional<int> index);
    // OK: takes the typed description, checks it and the entries, and saves;
    // true when the dialog may close. A failed check has said why.
    bool Ok(const std::string& typedDescription);

    const std::vector<std::string>& Members() const { return m_members; }

private:
    std::vector<std::string>& Entries(ProviderDialogView::List list);

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    Prompts& m_prompts;
    ProviderDialogView& m_view;
    std::string& m_description;
    const std::string m_openedWith;
    const int m_number;
    std::vector<std::string> m_available;
    std::vector<std::string> m_members;
};

}  // namespace varnolt
