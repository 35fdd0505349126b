#pragma once

#include <optional>
#include <string>
#include <vector>
#include "app/UiText.h"

namespace varnolt {

class SettingsStore;
class StoredList;

// The providers as the store holds them: "_Provider List_" with "nCount" and
// "Provider #n", and per provider a section "Provider " + description with
// "How much entries" and "Phonebook #n". Both lists follow the store's one list
// rule, so a hand-edited count far above what is stored, or below zero, shows
// what is there.
class ProviderList {
public:
    // What a missing text reads as on the page and when dialing, and in the
    // Provider dialog and when deleting.
    static constexpr const char* kUnknown = "<unknown>";
    static constexpr const char* kNone = "<none>";
    // Said when a provider without entries is saved or dialed.
    static constexpr const char* kNoEntriesText =
        VARNOLT_TEXT("At least to have to add one phonebook entry to the provider list !");

    static constexpr const char* kCountKey = "nCount";
    static constexpr const char* kMemberCountKey = "How much entries";

    explicit ProviderList(const SettingsStore& store) : m_store(store) {}

    // Makes room for one provider after the last one the list shows and
    // returns its number; none when no number is left. Call it in the
    // transaction that writes the provider.
    static std::optional<int> Append(SettingsStore& store);

    // How many providers the list shows.
    int Count() const;
    std::string Description(int number, const std::string& missing) const;
    // The stored provider numbers among 1 to Count(), ascending.
    std::vector<int> Numbers() const;
    // The stored descriptions among 1 to Count(); a hand-made gap is left out.
    std::vector<std::string> Descriptions(const std::string& missing = kUnknown) const;
    // The entries of the provider with that description, in dialing order.
    std::vector<std::string> Members(const std::string& description,
                                     const std::string& missing = kUnknown) const;
    // The first or the last stored number from 1 to Count() whose description,
    // read with `missing` for one of another kind, equals `description`; 0 for none.
    int FindFirst(const std::string& description, const std::string& missing) const;
    int FindLast(const std::string& description, const std::string& missing) const;

private:
    // The texts of the stored items among 1..length, gaps left out.
    std::vector<std::string> Texts(const StoredList& list, int length,
                                   const std::string& missing) const;

    const SettingsStore& m_store;
};

}  // namespace varnolt
