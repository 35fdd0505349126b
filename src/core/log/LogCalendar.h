#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "log/CLogRecord.h"
#include "platform/Clock.h"

namespace varnolt {

struct CallDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend bool operator==(const CallDate&, const CallDate&) = default;
};

// A logged "From" or "To" text, "DD.MM. HH:MM h", read; it has no year.
// None for anything else or for a day, month, hour or minute out of range;
// 29 February counts as readable here, the year decides later.
std::optional<CallDate> ReadLogTime(std::string_view text);

// The start of each record in log order, the year derived; none where the
// record's "From" text cannot be read.
//
// The log keeps no year, so it is derived from the order: records follow the
// order the calls ended. The newest readable record has the year of
// lastConnect ("DD.MM.YYYY at HH:MM:SS h") when that text is readable and
// names the same day and month; otherwise now's year, or the year before
// when its day and month lie after today's. Going back to older records, the
// year drops by one whenever a record's (month, day) lies after that of the
// next newer readable record. Unreadable records, 29 February of a year
// without one among them, do not take part in the chain.
std::vector<std::optional<CallDate>> DateLogRecords(const std::vector<CLogRecord>& records,
                                                    const std::string& lastConnect,
                                                    const LocalDateTime& now);

// The amount at the front of a logged "Costs" text ("3.48 DM" -> 3.48); none
// when unreadable.
std::optional<float> LoggedAmount(const std::string& costs);

}  // namespace varnolt
