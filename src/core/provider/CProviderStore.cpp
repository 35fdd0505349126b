#include "CProviderStore.h"

#include "connection/PhonebookTexts.h"
#include "platform/StoreTransaction.h"

namespace varnolt {

namespace {

const std::string kListSection(kProviderListSection);

}  // namespace

CProviderStore::SaveResult CProviderStore::Save(const std::string& description,
                                                const std::vector<std::string>& members, int number,
                                                const std::string& openedWith) {
    StoreTransaction transaction(m_store);
    const bool ownDescription = number != 0 && description == openedWith;
    if (!ownDescription &&
        ProviderList(m_store).FindFirst(description, ProviderList::kUnknown) != 0) {
        return SaveResult::DescriptionInUse;
    }
    if (number == 0) {
        // After the last provider shown, whatever a hand-edited count says.
        const std::optional<int> added = ProviderList::Append(m_store);
        if (!added) {
            return SaveResult::NotKept;
        }
        number = *added;
    }
    const std::string section = ProviderSection(description);
    m_store.WriteInt(section, ProviderList::kMemberCountKey, static_cast<int>(members.size()));
    for (std::size_t i = 0; i < members.size(); ++i) {
        m_store.WriteString(section, ProviderMemberKey(static_cast<int>(i) + 1), members[i]);
    }
    m_store.WriteString(kListSection, ProviderKey(number), description);
    return transaction.Commit() ? SaveResult::Saved : SaveResult::NotKept;
}

bool CProviderStore::Remove(int number) {
    StoreTransaction transaction(m_store);
    const ProviderList list(m_store);
    const int count = list.Count();
    if (number < 1 || number > count) {
        return false;
    }
    // Only stored providers move, closing a hand-made gap too, so the cost
    // follows them and not the count.
    int to = 1;
    for (const int stored : list.Numbers()) {
        if (stored == number) {
            continue;
        }
        if (stored != to) {
            m_store.WriteString(kListSection, ProviderKey(to),
                                list.Description(stored, ProviderList::kNone));
        }
        ++to;
    }
    m_store.WriteString(kListSection, ProviderKey(to), ProviderList::kNone);
    m_store.WriteInt(kListSection, ProviderList::kCountKey, to - 1);
    return transaction.Commit();
}

}  // namespace varnolt
