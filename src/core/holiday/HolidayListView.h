#pragma once

#include <array>
#include <string>

#include "holiday/CHolidayEntry.h"
#include "holiday/PublicHolidays.h"

namespace varnolt {

// The texts of one list row: description, day, month, year.
using HolidayRow = std::array<std::string, 4>;

// What the holiday page's logic needs of its list view and dialog.
class HolidayListView {
public:
    virtual ~HolidayListView() = default;

    virtual void ClearRows() = 0;
    virtual void AppendRow(const HolidayRow& row) = 0;
    virtual void DeleteRow(int row) = 0;
    virtual int RowCount() const = 0;
    // The first selected row, or -1 when none is selected.
    virtual int FirstSelectedRow() const = 0;
    // The text the row shows in the description column.
    virtual std::string RowDescription(int row) const = 0;

    // Runs the Insert holiday dialog on entry's values; true when it ended with
    // Insert, entry then holding what was entered.
    virtual bool RunInsertDialog(CHolidayEntry& entry) = 0;
    // Runs the Insert public holidays dialog on the given year and state; true
    // when it ended with OK, year and state then holding the choice.
    virtual bool RunPublicHolidaysDialog(int& year, GermanState& state) = 0;
};

}  // namespace varnolt
