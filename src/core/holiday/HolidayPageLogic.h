#pragma once

#include <vector>

#include "app/UiText.h"
#include "holiday/CHolidayDatabase.h"
#include "holiday/HolidayListView.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace varnolt {

// Headings of the list columns and their share of the page's client width.
inline constexpr int kHolidayColumnCount = 4;
inline constexpr const char* kHolidayColumnHeadings[kHolidayColumnCount] = {
    VARNOLT_TEXT("Description"), VARNOLT_TEXT("Day"), VARNOLT_TEXT("Month"), VARNOLT_TEXT("Year")};
inline constexpr double kHolidayColumnShares[kHolidayColumnCount] = {0.45, 0.15, 0.15, 0.15};

// Width of a column for a client width, truncated to whole pixels.
int HolidayColumnWidth(int column, int clientWidth);

// The texts a holiday shows in the list.
HolidayRow HolidayRowTexts(const CHolidayEntry& entry);

// What the Holiday database page does when its buttons are pressed.
class HolidayPageLogic {
public:
    HolidayPageLogic(SettingsStore& store, const Clock& clock, Prompts& prompts,
                     HolidayListView& view)
        : m_store(store), m_database(store), m_clock(clock), m_prompts(prompts), m_view(view) {}

    // Replaces all rows by the stored holidays in number order.
    void FillList();
    void OnInsert();
    void OnInsertPublicHolidays();
    void OnDelete();
    void OnDeleteDatabase();

private:
    SettingsStore& m_store;
    CHolidayDatabase m_database;
    const Clock& m_clock;
    Prompts& m_prompts;
    HolidayListView& m_view;
    // The stored number of each row: a hand-edited list may have gaps.
    std::vector<int> m_numbers;
};

}  // namespace varnolt
