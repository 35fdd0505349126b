#include "PhonebookTreeBuilder.h"

#include "connection/AutolaunchList.h"
#include "connection/EntrySection.h"
#include "connection/LoginSettingsForm.h"
#include "connection/PhonebookTexts.h"
#include "meter/TotalCosts.h"
#include "platform/Locale.h"
#include "platform/RemoteAccess.h"
#include "platform/SettingsStore.h"
#include "provider/ProviderList.h"
#include "tariff/EntryScale.h"

namespace varnolt {

namespace {

const std::string kAllEntries(kAllEntriesSection);

}  // namespace

TotalsTexts ReadTotalsTexts(const SettingsStore& store, const std::string& section,
                            const std::string& currencySymbol) {
    return {CostsItemText(store.ReadString(section, kTotalCostsKey, "0"), currencySymbol),
            LastConnectItemText(store.ReadString(section, kLastConnectKey, kUnknownTotal))};
}

std::array<std::string, 3> LoginItemTexts(RemoteAccess& dialer, const SettingsStore& store,
                                          const std::string& entryName) {
    RasDialParams params;
    bool passwordStored = false;
    dialer.GetEntryDialParams(entryName, params, passwordStored);
    return {UserItemText(params.userName),
            PasswordItemText(passwordStored && !params.password.empty()),
            RedialItemText(
                store.ReadInt(EntrySection(entryName), kRedialAfterKey, kDefaultRedialDelay))};
}

TreeNode ProviderNode(const SettingsStore& store, const std::string& description) {
    TreeNode node{description, ImageRole::Provider, {}};
    for (const std::string& member : ProviderList(store).Members(description)) {
        node.Add(member, ImageRole::Entry);
    }
    return node;
}

TreeNode PhonebookTreeBuilder::Build() const {
    TreeNode root{std::string(kRootText), ImageRole::Program, {}};

    // One symbol for every amount of this build.
    const std::string symbol = m_locale.CurrencySymbol();
    std::vector<std::string> entries = m_dialer.EnumEntries();
    if (entries.size() > static_cast<std::size_t>(ras::kMaxEntries)) {
        entries.resize(ras::kMaxEntries);
    }

    TreeNode& overall = root.Add(std::string(kOverallIndicatorText), ImageRole::CallFeeIndicator);
    AddTotals(overall, kAllEntries, symbol);

    TreeNode& phonebook = root.Add(std::string(kPhonebookText), ImageRole::Phonebook);
    phonebook.children.reserve(entries.size());
    for (const std::string& name : entries) {
        AddEntry(phonebook, name, symbol);
    }
    if (entries.empty()) {
        phonebook.Add(std::string(kNoEntriesText), ImageRole::Entry).placeholder = true;
    }

    AddProviders(root.Add(std::string(kProviderText), ImageRole::ProviderList));
    return root;
}

void PhonebookTreeBuilder::AddEntry(TreeNode& phonebook, const std::string& name,
                                    const std::string& symbol) const {
    TreeNode& entry = phonebook.Add(name, ImageRole::Entry);
    if (m_dialer.IsConnectedOutside(name)) {
        entry.note = std::string(kConnectedOutsideText);
    }
    entry.children.reserve(3);

    TreeNode& login = entry.Add(std::string(kLoginSettingsText), ImageRole::LoginSettings);
    std::array<std::string, 3> loginTexts = LoginItemTexts(m_dialer, m_store, name);
    login.Add(std::move(loginTexts[0]), ImageRole::User);
    login.Add(std::move(loginTexts[1]), ImageRole::Password);
    login.Add(std::move(loginTexts[2]), ImageRole::Redial);

    TreeNode& autolaunch = entry.Add(std::string(kAutolaunchText), ImageRole::Autolaunch);
    for (const int number : AutolaunchNumbers(m_store, name)) {
        autolaunch.Add(AutolaunchDescription(m_store, name, number), ImageRole::Application);
    }

    TreeNode& fees = entry.Add(std::string(kCallFeeIndicatorText), ImageRole::CallFeeIndicator);
    fees.Add(ScaleItemText(ResolveEntryScale(m_store, name)), ImageRole::Scale);
    AddTotals(fees, EntrySection(name), symbol);
}

void PhonebookTreeBuilder::AddTotals(TreeNode& indicator, const std::string& section,
                                     const std::string& symbol) const {
    TotalsTexts texts = ReadTotalsTexts(m_store, section, symbol);
    indicator.Add(std::move(texts.costs), ImageRole::Costs);
    indicator.Add(std::move(texts.lastConnect), ImageRole::LastConnect);
}

void PhonebookTreeBuilder::AddProviders(TreeNode& providerList) const {
    for (const std::string& description : ProviderList(m_store).Descriptions()) {
        providerList.children.push_back(ProviderNode(m_store, description));
    }
}

}  // namespace varnolt
