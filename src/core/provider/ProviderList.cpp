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

std::vector<std::string> ProviderList::Descriptions(const std::string& missing) const {
    std::vector<std::string> descriptions;
    const int count = Count();
    descriptions.reserve(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        descriptions.push_back(Description(number, missing));
    }
    return descriptions;
}

std::vector<std::string> ProviderList::Members(const std::string& description,
                                               const std::string& missing) const {
    const std::string section = ProviderSection(description);
    const int count = StoredList::InSection(section, {{"Phonebook #", ""}})
                          .Length(m_store, m_store.ReadInt(section, kMemberCountKey, 0));
    std::vector<std::string> members;
    members.reserve(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        members.push_back(m_store.ReadString(section, ProviderMemberKey(number), missing));
    }
    return members;
}

int ProviderList::FindFirst(const std::string& description, const std::string& missing) const {
    const int count = Count();
    for (int number = 1; number <= count; ++number) {
        if (Description(number, missing) == description) {
            return number;
        }
    }
    return 0;
}

int ProviderList::FindLast(const std::string& description, const std::string& missing) const {
    for (int number = Count(); number >= 1; --number) {
        if (Description(number, missing) == description) {
            return number;
        }
    }
    return 0;
}

}  // namespace varnolt
