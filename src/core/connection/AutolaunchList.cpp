#include "AutolaunchList.h"

#include <algorithm>

#include "app/StoredList.h"
#include "connection/EntrySection.h"
#include "platform/StoreTransaction.h"

namespace varnolt {

namespace {
constexpr const char* kCountKey = "Autolaunch";
constexpr const char* kNone = "<none>";

StoredList Slots(const std::string& entry) {
    return StoredList::AsSections(AutolaunchSectionPrefix(entry));
}
}  // namespace

int AutolaunchLength(const SettingsStore& store, const std::string& entryName) {
    return Slots(entryName).Length(store, store.ReadInt(EntrySection(entryName), kCountKey, 0));
}

std::vector<int> AutolaunchNumbers(const SettingsStore& store, const std::string& entryName) {
    return Slots(entryName).StoredNumbers(store, AutolaunchLength(store, entryName));
}

std::string AutolaunchDescription(const SettingsStore& store, const std::string& entryName,
                                  int number) {
    return store.ReadString(AutolaunchSection(entryName, number), "Description", kNone);
}

AutolaunchList::AutolaunchList(SettingsStore& store, std::string entryName)
    : m_store(store), m_entry(std::move(entryName)) {}

int AutolaunchList::Length() const {
    return AutolaunchLength(m_store, m_entry);
}

AutolaunchApplication AutolaunchList::Read(int number) const {
    const std::string section = AutolaunchSection(m_entry, number);
    return {m_store.ReadString(section, "Path", kNone),
            m_store.ReadString(section, "Description", kNone),
            m_store.ReadInt(section, "Startup", 0)};
}

std::vector<int> AutolaunchList::Numbers() const {
    return AutolaunchNumbers(m_store, m_entry);
}

int AutolaunchList::Find(const std::string& description) const {
    const std::vector<int> numbers = Numbers();
    for (auto number = numbers.rbegin(); number != numbers.rend(); ++number) {
        if (AutolaunchDescription(m_store, m_entry, *number) == description) {
            return *number;
        }
    }
    return 0;
}

int AutolaunchList::Row(int number) const {
    const std::vector<int> numbers = Numbers();
    const auto at = std::lower_bound(numbers.begin(), numbers.end(), number);
    return at != numbers.end() && *at == number ? static_cast<int>(at - numbers.begin()) : -1;
}

void AutolaunchList::Write(int number, const AutolaunchApplication& application) {
    const std::string section = AutolaunchSection(m_entry, number);
    m_store.WriteString(section, "Path", application.path);
    m_store.WriteString(section, "Description", application.description);
    m_store.WriteInt(section, "Startup", application.startup);
}

bool AutolaunchList::Append(const AutolaunchApplication& application) {
    StoreTransaction transaction(m_store);
    // After the last application shown, whatever the stored count says.
    const std::optional<int> number =
        Slots(m_entry).Append(m_store, EntrySection(m_entry), kCountKey);
    if (!number) {
        return false;
    }
    Write(*number, application);
    return transaction.Commit();
}

bool AutolaunchList::Replace(int number, const AutolaunchApplication& application) {
    StoreTransaction transaction(m_store);
    Write(number, application);
    return transaction.Commit();
}

bool AutolaunchList::Remove(int number) {
    StoreTransaction transaction(m_store);
    const int length = Length();
    if (number < 1 || number > length) {
        return false;
    }
    // Only stored applications move, so the cost follows them, not the count.
    int to = 1;
    for (const int stored : Numbers()) {
        if (stored == number) {
            continue;
        }
        if (stored != to) {
            Write(to, Read(stored));
        }
        ++to;
    }
    Write(to, {kNone, kNone, 0});
    m_store.WriteInt(EntrySection(m_entry), kCountKey, to - 1);
    return transaction.Commit();
}

}  // namespace varnolt
