#include "CHolidayDatabase.h"

#include <algorithm>
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

// The keys of Holidays(), by position.
enum HolidayKey : std::size_t { kDay, kDescription, kMonth, kYear };

CHolidayEntry EntryOf(const StoredList::Item& item) {
    return {item.Text(kDescription, "No description available"), item.Int(kDay, 0),
            item.Int(kMonth, 0), item.Int(kYear, 0)};
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

std::vector<CHolidayEntry> CHolidayDatabase::ReadAll(std::vector<int>* numbers) const {
    // One pass over the stored holidays, whatever the count says.
    std::vector<CHolidayEntry> entries;
    for (const StoredList::Item& item : Holidays().ReadItems(m_store, Count())) {
        entries.push_back(EntryOf(item));
        if (numbers != nullptr) {
            numbers->push_back(item.number);
        }
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
    const std::vector<int> numbers = Holidays().StoredNumbers(m_store, Count());
    if (std::binary_search(numbers.begin(), numbers.end(), n)) {
        Remove(n, static_cast<int>(numbers.size()) - 1);
    }
}

void CHolidayDatabase::Remove(int n, int newCount) {
    if (n < 1 || newCount < 0 || newCount == INT_MAX) {
        return;
    }
    StoreTransaction transaction(m_store);
    const std::vector<StoredList::Item> items = Holidays().ReadItems(m_store, Count());
    m_store.WriteInt(kSection, kCount, newCount);
    // Only stored holidays move, so the cost follows them, not the numbers.
    int to = 1;
    for (const StoredList::Item& item : items) {
        if (item.number == n) {
            continue;
        }
        if (item.number != to) {
            m_store.WriteString(kSection, Key("Description #", to), item.Text(kDescription, ""));
            m_store.WriteInt(kSection, Key("Day #", to), item.Int(kDay, 0));
            m_store.WriteInt(kSection, Key("Month #", to), item.Int(kMonth, 0));
            m_store.WriteInt(kSection, Key("Year #", to), item.Int(kYear, 0));
        }
        ++to;
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
