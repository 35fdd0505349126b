#pragma once

#include <string>
#include <vector>

#include "provider/ProviderList.h"

namespace varnolt {

class SettingsStore;

// The provider list's changes. Each is one store transaction, so a crash leaves
// the list as it was before or as it is after, never a provider counted but
// not described, nor one lost in the middle of a shift.
class CProviderStore {
public:
    enum class SaveResult { Saved, DescriptionInUse, NotKept };

    explicit CProviderStore(SettingsStore& store) : m_store(store) {}

    // Writes the provider's entries into the section of its description, and
    // the description as provider `number`, or after the last provider shown
    // when number is 0. Refused, writing nothing, when another provider has the
    // description; when editing (number not 0), the description the dialog was
    // opened with counts as the provider's own. The check and the writes share
    // the transaction, so no two providers end up with one description.
    SaveResult Save(const std::string& description, const std::vector<std::string>& members,
                    int number, const std::string& openedWith);

    // Moves the providers after `number` down one place (a hand-made gap
    // closes as well) and lowers "nCount"; the value freed at the end reads
    // "<none>". Whether it was kept.
    bool Remove(int number);

private:
    SettingsStore& m_store;
};

}  // namespace varnolt
