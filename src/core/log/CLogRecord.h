#pragma once

#include <string>

namespace varnolt {

// One finished call as the log keeps it: display texts, formatted once when
// the call was appended and never parsed again.
struct CLogRecord {
    std::string entry = "<unknown>";
    std::string user = "<unknown>";
    std::string from = "<unknown>";
    std::string to = "<unknown>";
    std::string costs = "<unknown>";
    std::string totalCosts = "0";

    friend bool operator==(const CLogRecord&, const CLogRecord&) = default;
};

}  // namespace varnolt
