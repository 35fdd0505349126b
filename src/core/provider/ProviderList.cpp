#include "ProviderList.h"

#include "app/StoredList.h"
#include "connection/PhonebookTexts.h"
#include "platform/SettingsStore.h"

namespace varnolt {

namespace {

const std::string kListSection(kProviderListSection);

StoredList Providers() {
    return StoredList::InSection(kListSection, {{"Provider #", ""}});
}

StoredList MemberList(const std::string& section) {
    return StoredList::InSection(section, {{"Phonebook #", ""}});
}

}  // namespace

std::optional<int> ProviderList::Append(SettingsStore& store) {
    return Providers().Append(store, kListSection, kCountKey);
}

int ProviderList::Count() const {
    return Providers().Length(m_store, m_store.ReadInt(kListSection, kCountKey, 0));
}

std::string ProviderList::Description(int number, const std::string& missing) const {
    return m_store.ReadString(kListSection, ProviderKey(number), missing);
}

std::vector<int> ProviderList::Numbers() const {
    return Providers().StoredNumbers(m_store, Count());
}

std::vector<std::string> ProviderList::Descriptions(const std::string& missing) const {
    return Texts(Providers(), Count(), missing);
}

std::vector<std::string> ProviderList::Members(const std::string& description,
                                               const std::string& missing) const {
    const std::string section = ProviderSection(description);
    const StoredList members = MemberList(section);
    return Texts(members, members.Length(m_store, m_store.ReadInt(section, kMemberCountKey, 0)),
                 missing);
}

int ProviderList::FindFirst(const std::string& description, const std::string& missing) const {
    for (const StoredList::Item& item : Providers().ReadItems(m_store, Count())) {
        if (item.Text(0, missing) == description) {
            return item.number;
        }
    }
    return 0;
}

int ProviderList::FindLast(const std::string& description, const std::string& missing) const {
    const std::vector<StoredList::Item> items = Providers().ReadItems(m_store, Count());
    for (auto item = items.rbegin(); item != items.rend(); ++item) {
        if (item->Text(0, missing) == description) {
            return item->number;
        }
    }
    return 0;
}

std::vector<std::string> ProviderList::Texts(const StoredList& list, int length,
                                             const std::string& missing) const {
    // Only the stored items, from one pass: a hand-edited count costs nothing.
    std::vector<std::string> texts;
    for (const StoredList::Item& item : list.ReadItems(m_store, length)) {
        texts.push_back(item.Text(0, missing));
    }
    return texts;
}

}  // namespace varnolt
