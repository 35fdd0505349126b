#include "CHolidayDatabase.h"

#include <climits>

#include "app/NumberText.h"
#include "app/SectionReader.h"
#include "app/StoredList.h"
#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "Holiday database";
constexpr const char* kCount = "Anzahl";

std::string Key(const char* name, int n) {
    return name + FormatInt(n);
}

const StoredList& Holidays() {
    constexpr auto kInt = SectionValues::Kind::Int;
    static const StoredList list = StoredList::InSection(
        kSection,
        {{"Day #", "", kInt}, {"Description #", ""}, {"Month #", "", kInt}, {"Year #", "", kInt}});
    return list;
}

CHolidayEntry EntryOf(const SectionReader& section, int n) {
    CHolidayEntry entry;
    entry.description = section.ReadString(Key("Description #", n), "No description available");
    entry.day = section.ReadInt(Key("Day #", n), 0);
    entry.month = section.ReadInt(Key("Month #", n), 0);
    entry.year = section.ReadInt(Key("Year #", n), 0);
    return entry;
}

}  // namespace

int CHolidayDatabase::Count() const {
    return Holidays().Length(m_store, m_store.ReadInt(kSection, kCount, 0));
}

CHolidayEntry CHolidayDatabase::ReadEntry(int n) const {
    return EntryOf(SectionReader(m_store, kSection), n);
}

std::vector<CHolidayEntry> CHolidayDatabase::ReadAll() const {
    // One snapshot of the section for the whole list.
    const SectionReader section(m_store, kSection);
    const int count = Holidays().Length(m_store, section.ReadInt(kCount, 0));
    std::vector<CHolidayEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        entries.push_back(EntryOf(section, n));
    }
    return entries;
}

void CHolidayDatabase::Insert(const CHolidayEntry& entry) {
    // Numbered after the holidays the list shows, so that a hand-edited count
    // cannot put the new holiday where the list never looks. Counted and
    // written in one transaction, so a second instance cannot take the number.
    StoreTransaction transaction(m_store);
    const std::optional<int> n = Holidays().Append(m_store, kSection, kCount);
    if (!n) {
        return;
    }
    m_store.WriteString(kSection, Key("Description #", *n), entry.description);
    m_store.WriteInt(kSection, Key("Day #", *n), entry.day);
    m_store.WriteInt(kSection, Key("Month #", *n), entry.month);
    m_store.WriteInt(kSection, Key("Year #", *n), entry.year == 0 ? EveryYear : entry.year);
}

void CHolidayDatabase::Remove(int n) {
    StoreTransaction transaction(m_store);
    Remove(n, Count() - 1);
}

void CHolidayDatabase::Remove(int n, int newCount) {
    if (n < 1 || newCount < 0 || newCount == INT_MAX) {
        return;
    }
    StoreTransaction transaction(m_store);
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
    // Runs every second during a call: one pass over the stored days, whatever
    // the count says, collects the holidays on the day (a gap has day 0);
    // only those are read further.
    static const StoredList days =
        StoredList::InSection(kSection, {{"Day #", "", SectionValues::Kind::Int}});
    std::vector<int> sameDay;
    days.VisitItems(m_store, Count(), [&](int n, std::size_t, const SectionValues::Value& value) {
        if (value.kind == SectionValues::Kind::Int && value.number == day) {
            sameDay.push_back(n);
        }
    });
    for (int n : sameDay) {
        if (m_store.ReadInt(kSection, Key("Month #", n), 0) == month) {
            const int storedYear = m_store.ReadInt(kSection, Key("Year #", n), 0);
            if (storedYear == EveryYear || storedYear == year) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace varnolt
