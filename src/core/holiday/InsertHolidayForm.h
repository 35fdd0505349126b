#pragma once

#include <string>

#include "holiday/CHolidayEntry.h"
#include "platform/Prompts.h"

namespace varnolt {

// The field texts of the Insert holiday dialog.
struct InsertHolidayTexts {
    std::string description;
    std::string day;
    std::string month;
    std::string year;
};

// The Insert holiday dialog's values and checks, apart from its widgets.
class InsertHolidayForm {
public:
    explicit InsertHolidayForm(const CHolidayEntry& initial) : m_entry(initial) {}

    // What the fields show on opening: the description and "%i" numbers.
    InsertHolidayTexts InitialTexts() const;

    // Reads and checks the fields in order (day, month, year); the first
    // failure is shown and false returned, the dialog then stays open. A field
    // without a readable number keeps the value it had before.
    bool Accept(const InsertHolidayTexts& texts, Prompts& prompts);

    // The values read so far; after a successful Accept, the holiday to insert
    // (year 0 for every year).
    const CHolidayEntry& Entry() const { return m_entry; }

private:
    CHolidayEntry m_entry;
};

}  // namespace varnolt
