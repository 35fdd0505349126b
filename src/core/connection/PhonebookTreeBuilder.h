#pragma once

#include <array>
#include <string>

#include "connection/TreeNode.h"

namespace varnolt {

class Locale;
class RemoteAccess;
class SettingsStore;

// The texts of the costs and last-connect items for a section's stored totals.
struct TotalsTexts {
    std::string costs;
    std::string lastConnect;
};
TotalsTexts ReadTotalsTexts(const SettingsStore& store, const std::string& section,
                            const std::string& currencySymbol);
// The texts of an entry's user, password and redial items, from what the
// service and the store hold now.
std::array<std::string, 3> LoginItemTexts(RemoteAccess& dialer, const SettingsStore& store,
                                          const std::string& entryName);
// A provider's item with its members, as the tree shows them.
TreeNode ProviderNode(const SettingsStore& store, const std::string& description);

// Builds the Phonebook tree from the remote-access phonebook and the settings
// store: the root with the overall indicator, "Phonebook" with every entry (or,
// without any, the placeholder that says how to make one) and "Provider" with
// every provider. Never fails: a missing value shows its
// default text, and hand-edited list counts are read within bounds.
class PhonebookTreeBuilder {
public:
    PhonebookTreeBuilder(RemoteAccess& dialer, const SettingsStore& store, const Locale& locale)
        : m_dialer(dialer), m_store(store), m_locale(locale) {}

    TreeNode Build() const;

private:
    void AddEntry(TreeNode& phonebook, const std::string& name,
                  const std::string& currencySymbol) const;
    void AddProviders(TreeNode& providerList) const;
    // The costs and last-connect items of a call-fee indicator.
    void AddTotals(TreeNode& indicator, const std::string& section,
                   const std::string& symbol) const;

    RemoteAccess& m_dialer;
    const SettingsStore& m_store;
    const Locale& m_locale;
};

}  // namespace varnolt
