#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/NumberText.h"
#include "log/LogCalendar.h"

namespace varnolt {
namespace {

// A date as "YYYY-MM-DD HH:MM", or "-" for none.
std::string DateText(const std::optional<CallDate>& date) {
    if (!date) {
        return "-";
    }
    return FormatInt(date->year) + "-" + FormatTwoDigits(date->month) + "-" +
           FormatTwoDigits(date->day) + " " + FormatTwoDigits(date->hour) + ":" +
           FormatTwoDigits(date->minute);
}

struct DatingCase {
    const char* name;
    std::vector<std::string> from;  // oldest first
    std::string lastConnect;
    LocalDateTime now;
    std::vector<std::string> expected;
};

TEST(LogCalendarTest, DatesRecordsBackFromTheNewest) {
    const LocalDateTime march1996{1996, 3, 0, 5, 12, 0, 0, 0};
    const DatingCase cases[] = {
        {"over a year end, year from lastConnect",
         {"30.12. 22:00 h", "31.12. 23:50 h", "01.01. 00:20 h", "04.03. 09:00 h"},
         "04.03.1996 at 09:07:15 h",
         march1996,
         {"1995-12-30 22:00", "1995-12-31 23:50", "1996-01-01 00:20", "1996-03-04 09:00"}},
        {"lastConnect of another day: now's year",
         {"02.03. 08:00 h"},
         "01.03.1990 at 08:10:00 h",
         march1996,
         {"1996-03-02 08:00"}},
        {"lastConnect names a year other than now's",
         {"20.06. 10:00 h", "02.03. 08:00 h"},
         "02.03.1991 at 08:10:00 h",
         march1996,
         {"1990-06-20 10:00", "1991-03-02 08:00"}},
        {"unknown lastConnect, newest after today: last year",
         {"01.11. 10:00 h", "20.11. 10:00 h"},
         "<unknown>",
         march1996,
         {"1995-11-01 10:00", "1995-11-20 10:00"}},
        {"the same day as today is this year",
         {"05.03. 07:00 h"},
         "<unknown>",
         march1996,
         {"1996-03-05 07:00"}},
        {"several wraps, same day kept",
         {"10.05. 10:00 h", "10.05. 09:00 h", "01.02. 10:00 h", "15.08. 10:00 h", "15.08. 11:00 h",
          "01.01. 10:00 h"},
         "01.01.1996 at 10:30:00 h",
         march1996,
         {"1994-05-10 10:00", "1994-05-10 09:00", "1995-02-01 10:00", "1995-08-15 10:00",
          "1995-08-15 11:00", "1996-01-01 10:00"}},
        {"unreadable records leave the chain alone",
         {"20.12. 10:00 h", "<unknown>", "31.13. 10:00 h", "00.01. 10:00 h", "31.04. 10:00 h",
          "15.06. 24:00 h", "1.1. 10:00", "x5.01. 10:00 h", "10.01. 10:00 h", "garbage"},
         "garbage",
         march1996,
         {"1995-12-20 10:00", "-", "-", "-", "-", "-", "-", "-", "1996-01-10 10:00", "-"}},
        {"29 February only in a leap year, else out of the chain",
         {"29.02. 09:00 h", "01.04. 10:00 h", "29.02. 10:00 h", "01.03. 08:00 h", "29.02. 11:00 h",
          "01.03. 12:00 h"},
         "<unknown>",
         LocalDateTime{1997, 3, 0, 1, 0, 0, 0, 0},
         {"1996-02-29 09:00", "1996-04-01 10:00", "-", "1997-03-01 08:00", "-",
          "1997-03-01 12:00"}},
        {"an empty log", {}, "<unknown>", march1996, {}},
    };
    for (const DatingCase& c : cases) {
        std::vector<CLogRecord> records;
        for (const std::string& from : c.from) {
            records.push_back(CLogRecord{"Office", "anna", from, "01.01. 00:00 h", "1.00 DM"});
        }
        std::vector<std::string> dated;
        for (const auto& date : DateLogRecords(records, c.lastConnect, c.now)) {
            dated.push_back(DateText(date));
        }
        EXPECT_EQ(dated, c.expected) << c.name;
    }
}

TEST(LogCalendarTest, ReadsTheAmountBeforeTheCurrencySymbol) {
    const struct {
        std::string costs;
        std::optional<float> amount;
    } cases[] = {{"3.48 DM", 3.48f}, {"0.00 ", 0.0f}, {"12.30", 12.3f},
                 {"<unknown>", {}},  {"3,48 DM", {}}, {"", {}},
                 {"nan DM", {}},     {"1e99 DM", {}}, {"-1.50 EUR", -1.5f}};
    for (const auto& c : cases) {
        EXPECT_EQ(LoggedAmount(c.costs), c.amount) << c.costs;
    }
}

}  // namespace
}  // namespace varnolt
