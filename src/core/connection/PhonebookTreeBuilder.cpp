#include "PhonebookTreeBuilder.h"

#include <functional>
#include <map>
#include <optional>

#include "app/StoredList.h"
#include "connection/PhonebookTexts.h"
#include "platform/Locale.h"
#include "platform/RemoteAccess.h"
#include "platform/SettingsStore.h"
#include "tariff/EntryScale.h"

namespace varnolt {

namespace {

const std::string kAllEntries(kAllEntriesSection);
const std::string kProviderList(kProviderListSection);

// Reads a text value and tells whether one is stored, in one query for the
// usual case: only when the first placeholder comes back is a second one
// needed to tell a missing value from one that happens to equal it.
std::optional<std::string> ReadStoredText(const SettingsStore& store, const std::string& section,
                                          const std::string& key) {
    static const std::string kProbeA("\x01missing-a");
    static const std::string kProbeB("\x01missing-b");
    std::string text = store.ReadString(section, key, kProbeA);
    if (text != kProbeA || store.ReadString(section, key, kProbeB) == kProbeA) {
        return text;
    }
    return std::nullopt;
}

// Texts 1..count of a stored list, missing items shown as def. The length is
// bounded the same way for every list (a huge hand-edited count stops after
// the last stored item; a negative count is empty). readItem returns whether
// item n is stored, and sets its text when one is stored.
std::vector<std::string> ReadTextList(
    int count, const std::string& def,
    const std::function<bool(int number, std::optional<std::string>& text)>& readItem) {
    std::map<int, std::string> seen;
    int length = StoredListLength(count, 1, [&](int number) {
        std::optional<std::string> text;
        if (!readItem(number, text)) {
            return false;
        }
        if (text) {
            seen.emplace(number, std::move(*text));
        }
        return true;
    });
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(length));
    for (int number = 1; number <= length; ++number) {
        auto it = seen.find(number);
        texts.push_back(it == seen.end() ? def : std::move(it->second));
    }
    return texts;
}

}  // namespace

TreeNode PhonebookTreeBuilder::Build() const {
    TreeNode root{std::string(kRootText), ImageRole::Program, {}};

    // One symbol for every amount of this build.
    const std::string symbol = m_locale.CurrencySymbol();
    std::vector<std::string> entries = m_dialer.EnumEntries();
    if (entries.size() > static_cast<std::size_t>(ras::kMaxEntries)) {
        entries.resize(ras::kMaxEntries);
    }

    TreeNode& overall = root.Add(std::string(kOverallIndicatorText), ImageRole::CallFeeIndicator);
    overall.Add(CostsItemText(m_store.ReadString(kAllEntries, "Total costs", "0"), symbol),
                ImageRole::Costs);
    overall.Add(LastConnectItemText(m_store.ReadString(kAllEntries, "Last connect", "<unknown>")),
                ImageRole::LastConnect);

    TreeNode& phonebook = root.Add(std::string(kPhonebookText), ImageRole::Phonebook);
    phonebook.children.reserve(entries.size());
    for (const std::string& name : entries) {
        AddEntry(phonebook, name, symbol);
    }

    AddProviders(root.Add(std::string(kProviderText), ImageRole::ProviderList));
    return root;
}

void PhonebookTreeBuilder::AddEntry(TreeNode& phonebook, const std::string& name,
                                    const std::string& symbol) const {
    RasDialParams params;
    bool passwordStored = false;
    m_dialer.GetEntryDialParams(name, params, passwordStored);

    TreeNode& entry = phonebook.Add(name, ImageRole::Entry);
    entry.children.reserve(3);

    TreeNode& login = entry.Add(std::string(kLoginSettingsText), ImageRole::LoginSettings);
    login.Add(UserItemText(params.userName), ImageRole::User);
    login.Add(PasswordItemText(passwordStored && !params.password.empty()), ImageRole::Password);
    login.Add(RedialItemText(m_store.ReadInt(name, "Redial after", 10)), ImageRole::Redial);

    TreeNode& autolaunch = entry.Add(std::string(kAutolaunchText), ImageRole::Autolaunch);
    const std::vector<std::string> applications = ReadTextList(
        m_store.ReadInt(name, "Autolaunch", 0), "<none>",
        [&](int number, std::optional<std::string>& text) {
            const std::string section = AutolaunchSection(name, number);
            if ((text = ReadStoredText(m_store, section, "Description"))) {
                return true;
            }
            // An application without a description still holds its place.
            return m_store.HasValue(section, "Description") || m_store.HasValue(section, "Path") ||
                   m_store.HasValue(section, "Startup");
        });
    for (const std::string& description : applications) {
        autolaunch.Add(description, ImageRole::Application);
    }

    TreeNode& fees = entry.Add(std::string(kCallFeeIndicatorText), ImageRole::CallFeeIndicator);
    fees.Add(ScaleItemText(ResolveEntryScale(m_store, name)), ImageRole::Scale);
    fees.Add(CostsItemText(m_store.ReadString(name, "Total costs", "0"), symbol), ImageRole::Costs);
    fees.Add(LastConnectItemText(m_store.ReadString(name, "Last connect", "<unknown>")),
             ImageRole::LastConnect);
}

void PhonebookTreeBuilder::AddProviders(TreeNode& providerList) const {
    const std::vector<std::string> descriptions =
        ReadTextList(m_store.ReadInt(kProviderList, "nCount", 0), "<unknown>",
                     [&](int number, std::optional<std::string>& text) {
                         text = ReadStoredText(m_store, kProviderList, ProviderKey(number));
                         return text || m_store.HasValue(kProviderList, ProviderKey(number));
                     });
    for (const std::string& description : descriptions) {
        TreeNode& provider = providerList.Add(description, ImageRole::Provider);
        const std::string section = ProviderSection(description);
        const std::vector<std::string> members =
            ReadTextList(m_store.ReadInt(section, "How much entries", 0), "<unknown>",
                         [&](int number, std::optional<std::string>& text) {
                             text = ReadStoredText(m_store, section, ProviderMemberKey(number));
                             return text || m_store.HasValue(section, ProviderMemberKey(number));
                         });
        for (const std::string& member : members) {
            provider.Add(member, ImageRole::Entry);
        }
    }
}

}  // namespace varnolt
