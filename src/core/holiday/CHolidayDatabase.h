#pragma once

#include <vector>

#include "holiday/CHolidayEntry.h"
#include "platform/SettingsStore.h"

namespace varnolt {

// The holiday list in the settings store: a count "Anzahl" and the numbered
// holidays 1..count. Keeps no state of its own; every call reads the store.
class CHolidayDatabase {
public:
    explicit CHolidayDatabase(SettingsStore& store) : m_store(store) {}

    // The number of holidays: "Anzahl", but a hand-edited count far above the
    // stored holidays stops at the last stored one, and a negative one is 0.
    int Count() const;
    // Holiday n (1..Count()); missing values take their defaults.
    CHolidayEntry ReadEntry(int n) const;
    // The stored holidays among 1..Count() in number order, gaps left out,
    // and their numbers when asked for.
    std::vector<CHolidayEntry> ReadAll(std::vector<int>* numbers = nullptr) const;

    // Appends a holiday; year 0 is stored as EveryYear. The count is written first.
    void Insert(const CHolidayEntry& entry);
    // Removes holiday n; the stored holidays after it close up behind the ones
    // before it (a hand-made gap closes too, so they are numbered 1, 2, ...).
    // The last old number keeps its values. Nothing happens when n is not stored.
    void Remove(int n);
    // The same with the new count given by the caller (the page's remaining rows).
    void Remove(int n, int newCount);
    // Sets the count to 0; the holidays' values stay in the store.
    void Clear();

    // Whether some holiday falls on the date: same day and month, and the same
    // year or EveryYear. A holiday with a zero day, month or year never matches.
    bool IsHoliday(int day, int month, int year) const;

private:
    SettingsStore& m_store;
};

}  // namespace varnolt
