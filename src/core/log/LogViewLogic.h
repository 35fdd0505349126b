#pragma once

#include <string>

#include "app/UiText.h"
#include "log/CConnectionLog.h"
#include "log/LogExport.h"
#include "log/LogTableView.h"
#include "platform/ExportFile.h"
#include "platform/Prompts.h"

namespace varnolt {

// Headings of the table's columns and their share of the table's width.
inline constexpr int kLogColumnCount = 6;
inline constexpr const char* kLogColumnHeadings[kLogColumnCount] = {
    VARNOLT_TEXT("RAS Entry"), VARNOLT_TEXT("User"),  VARNOLT_TEXT("From"),
    VARNOLT_TEXT("To"),        VARNOLT_TEXT("Costs"), VARNOLT_TEXT("Total costs")};
inline constexpr double kLogColumnShares[kLogColumnCount] = {0.185, 0.14,  0.185,
                                                             0.185, 0.119, 0.148};

// The text a record shows in a column.
const std::string& LogColumnText(const CLogRecord& record, int column);

// What the LOG view page does: fill its table and run its three buttons.
class LogViewLogic {
public:
    LogViewLogic(CConnectionLog& log, Prompts& prompts, LogTableView& view, ExportFile& files)
        : m_log(log), m_prompts(prompts), m_view(view), m_files(files) {}

    // Makes the table equal the store's log. When the log only grew by a few
    // records since the last reload, only those are read.
    void Reload();
    // Delete LOG: asks, then clears the log and empties the table.
    void OnDeleteLog();
    // Asks for a file and writes the whole log into it through `files`. A
    // name that may not be written and every failure are reported with the
    // file's name; success is not.
    void OnExport(LogExportFormat format);

private:
    CConnectionLog& m_log;
    Prompts& m_prompts;
    LogTableView& m_view;
    ExportFile& m_files;
    // The number of the record in the table's last row; 0 for none.
    int m_lastShown = 0;
};

}  // namespace varnolt
