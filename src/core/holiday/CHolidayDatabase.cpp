#include "CHolidayDatabase.h"

#include <climits>

#include "app/NumberText.h"
#include "app/StoredList.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "Holiday database";
constexpr const char* kCount = "Anzahl";

std::string Key(const char* name, int n) {
    return name + FormatInt(n);
}

}  // namespace

bool CHolidayDatabase::IsStored(int n) const {
    return m_store.HasValue(kSection, Key("Day #", n)) ||
           m_store.HasValue(kSection, Key("Description #", n)) ||
           m_store.HasValue(kSection, Key("Month #", n)) ||
           m_store.HasValue(kSection, Key("Year #", n));
}

int CHolidayDatabase::Count() const {
    int length = 0;
    m_store.ReadTogether([&] {
        length = StoredListLength(m_store.ReadInt(kSection, kCount, 0), 1,
                                  [this](int n) { return IsStored(n); });
    });
    return length;
}

CHolidayEntry CHolidayDatabase::ReadEntry(int n) const {
    CHolidayEntry entry;
    m_store.ReadTogether([&] {
        entry.description =
            m_store.ReadString(kSection, Key("Description #", n), "No description available");
        entry.day = m_store.ReadInt(kSection, Key("Day #", n), 0);
        entry.month = m_store.ReadInt(kSection, Key("Month #", n), 0);
        entry.year = m_store.ReadInt(kSection, Key("Year #", n), 0);
    });
    return entry;
}

std::vector<CHolidayEntry> CHolidayDatabase::ReadAll() const {
    std::vector<CHolidayEntry> entries;
    m_store.ReadTogether([&] {
        const int count = Count();
        entries.reserve(static_cast<std::size_t>(count));
        for (int n = 1; n <= count; ++n) {
            entries.push_back(ReadEntry(n));
        }
    });
    return entries;
}

void CHolidayDatabase::Insert(const CHolidayEntry& entry) {
    // Numbered after the holidays the list shows, so that a hand-edited count
    // cannot put the new holiday where the list never looks.
    const int count = Count();
    if (count == INT_MAX) {
        return;
    }
    const int n = count + 1;
    m_store.WriteInt(kSection, kCount, n);
    m_store.WriteString(kSection, Key("Description #", n), entry.description);
    m_store.WriteInt(kSection, Key("Day #", n), entry.day);
    m_store.WriteInt(kSection, Key("Month #", n), entry.month);
    m_store.WriteInt(kSection, Key("Year #", n), entry.year == 0 ? EveryYear : entry.year);
}

void CHolidayDatabase::Remove(int n) {
    Remove(n, Count() - 1);
}

void CHolidayDatabase::Remove(int n, int newCount) {
    if (n < 1 || newCount < 0 || newCount == INT_MAX) {
        return;
    }
    m_store.WriteInt(kSection, kCount, newCount);
    for (int i = n; i <= newCount; ++i) {
        m_store.WriteString(kSection, Key("Description #", i),
                            m_store.ReadString(kSection, Key("Description #", i + 1), ""));
        m_store.WriteInt(kSection, Key("Day #", i),
                         m_store.ReadInt(kSection, Key("Day #", i + 1), 0));
        m_store.WriteInt(kSection, Key("Month #", i),
                         m_store.ReadInt(kSection, Key("Month #", i + 1), 0));
        m_store.WriteInt(kSection, Key("Year #", i),
                         m_store.ReadInt(kSection, Key("Year #", i + 1), 0));
    }
}

void CHolidayDatabase::Clear() {
    m_store.WriteInt(kSection, kCount, 0);
}

bool CHolidayDatabase::IsHoliday(int day, int month, int year) const {
    if (day == 0 || month == 0 || year == 0) {
        return false;  // a zero field of a holiday never matches
    }
    bool found = false;
    // Runs every second during a call: one read per holiday where the day
    // differs, which is nearly all of them. The walk that bounds the list reads
    // the day anyway, so it also collects the holidays whose day matches.
    m_store.ReadTogether([&] {
        std::vector<int> sameDay;
        const int length = StoredListLength(m_store.ReadInt(kSection, kCount, 0), 1, [&](int n) {
            const int storedDay = m_store.ReadInt(kSection, Key("Day #", n), 0);
            if (storedDay == day) {
                sameDay.push_back(n);
            }
            return storedDay != 0 || IsStored(n);
        });
        for (int n : sameDay) {
            if (n > length) {
                break;
            }
            if (m_store.ReadInt(kSection, Key("Month #", n), 0) == month) {
                const int storedYear = m_store.ReadInt(kSection, Key("Year #", n), 0);
                if (storedYear == EveryYear || storedYear == year) {
                    found = true;
                    return;
                }
            }
        }
    });
    return found;
}

}  // namespace varnolt
