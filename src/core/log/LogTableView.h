#pragma once

#include <vector>

#include "log/CLogRecord.h"

namespace varnolt {

// What the LOG view's logic needs of its table: the records it shows, one row
// each, record 1 first.
class LogTableView {
public:
    virtual ~LogTableView() = default;

    virtual const std::vector<CLogRecord>& Records() const = 0;
    // Replaces every row.
    virtual void ShowRecords(std::vector<CLogRecord> records) = 0;
    // Adds rows after the last one.
    virtual void AppendRecords(std::vector<CLogRecord> records) = 0;
};

}  // namespace varnolt
