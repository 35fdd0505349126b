#include "EntrySettings.h"

#include <set>

#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "platform/StoreTransaction.h"
#include "provider/AutoconnectChoice.h"
#include "provider/ProviderList.h"

namespace varnolt {

bool EntrySettings::Remove(const std::string& entryName) {
    StoreTransaction transaction(m_store);
    RemoveSections(entryName);
    ReplaceInProviders(entryName, {});
    return transaction.Commit();
}

bool EntrySettings::Move(const std::string& entryName, const std::string& newName) {
    StoreTransaction transaction(m_store);
    const int applications = m_store.HighestSectionNumber(AutolaunchSectionPrefix(entryName));
    std::vector<Values> sections;
    sections.push_back(Read(EntrySection(entryName)));
    for (int n = 1; n <= applications; ++n) {
        sections.push_back(Read(AutolaunchSection(entryName, n)));
    }
    RemoveSections(entryName);
    RemoveSections(newName);
    Write(EntrySection(newName), sections[0]);
    for (int n = 1; n <= applications; ++n) {
        Write(AutolaunchSection(newName, n), sections[static_cast<std::size_t>(n)]);
    }
    ReplaceInProviders(entryName, newName);
    if (m_store.ReadString(AutoconnectChoice::kSection, AutoconnectChoice::kEntryKey, {}) ==
        entryName) {
        m_store.WriteString(AutoconnectChoice::kSection, AutoconnectChoice::kEntryKey, newName);
    }
    return transaction.Commit();
}

void EntrySettings::RemoveSections(const std::string& entryName) {
    const int applications = m_store.HighestSectionNumber(AutolaunchSectionPrefix(entryName));
    for (int n = 1; n <= applications; ++n) {
        m_store.RemoveSection(AutolaunchSection(entryName, n));
    }
    m_store.RemoveSection(EntrySection(entryName));
}

EntrySettings::Values EntrySettings::Read(const std::string& section) const {
    Values values;
    m_store.VisitSection(section, {},
                         [&values](std::string_view key, const SectionValues::Value& v) {
                             if (v.kind == SectionValues::Kind::Int) {
                                 values.emplace_back(key, v.number);
                             } else if (v.kind == SectionValues::Kind::Text) {
                                 values.emplace_back(key, std::string(v.text));
                             }
                         });
    return values;
}

void EntrySettings::Write(const std::string& section, const Values& values) {
    for (const auto& [key, value] : values) {
        if (const int* number = std::get_if<int>(&value)) {
            m_store.WriteInt(section, key, *number);
        } else {
            m_store.WriteString(section, key, std::get<std::string>(value));
        }
    }
}

void EntrySettings::ReplaceInProviders(const std::string& entryName, const std::string& newName) {
    const ProviderList providers(m_store);
    std::set<std::string> done;
    for (const std::string& description : providers.Descriptions()) {
        if (!done.insert(description).second) {
            continue;
        }
        std::vector<std::string> members = providers.Members(description);
        std::vector<std::string> kept;
        for (const std::string& member : members) {
            if (member != entryName) {
                kept.push_back(member);
            } else if (!newName.empty()) {
                kept.push_back(newName);
            }
        }
        if (kept == members) {
            continue;
        }
        const std::string section = ProviderSection(description);
        m_store.RemoveSection(section);
        m_store.WriteInt(section, ProviderList::kMemberCountKey, static_cast<int>(kept.size()));
        for (std::size_t i = 0; i < kept.size(); ++i) {
            m_store.WriteString(section, ProviderMemberKey(static_cast<int>(i) + 1), kept[i]);
        }
    }
}

}  // namespace varnolt
