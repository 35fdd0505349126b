#include "log/LogViewLogic.h"

#include <ostream>

#include "app/ExportFailureText.h"
#include "app/UiText.h"

namespace varnolt {
namespace {

// More records than this since the last reload are read in one pass over the
// section rather than one by one.
constexpr int kReadOneByOneLimit = 500;

}  // namespace

const std::string& LogColumnText(const CLogRecord& record, int column) {
    static constexpr std::string CLogRecord::*kColumns[kLogColumnCount] = {
        &CLogRecord::entry, &CLogRecord::user,  &CLogRecord::from,
        &CLogRecord::to,    &CLogRecord::costs, &CLogRecord::totalCosts};
    static const std::string kNone;
    return column >= 0 && column < kLogColumnCount ? record.*kColumns[column] : kNone;
}

void LogViewLogic::Reload() {
    const std::vector<CLogRecord>& shown = m_view.Records();
    const int count = m_log.Count();
    // The log only grows between clearings and renumberings, which rewrite
    // it from 1: while the last row shown is still the stored record of its
    // number, every row before it is too.
    const bool grewOnly =
        count >= m_lastShown && count - m_lastShown <= kReadOneByOneLimit &&
        (shown.empty() ? m_lastShown == 0 : m_log.Read(m_lastShown) == shown.back());
    if (!grewOnly) {
        m_view.ShowRecords(m_log.ReadAll());
    } else if (count > m_lastShown) {
        m_view.AppendRecords(m_log.ReadStored(m_lastShown + 1, count));
    }
    // The count is the last stored record's number, unless a hand-edited
    // count falls on a gap; then the next reload reads the whole log again.
    m_lastShown = count;
}

void LogViewLogic::OnDeleteLog() {
    if (!AskToClearLog(m_prompts)) {
        return;
    }
    m_log.Clear();
    m_view.ShowRecords({});
    m_lastShown = 0;
}

void LogViewLogic::OnExport(LogExportFormat format) {
    const std::optional<std::string> path = m_prompts.ChooseSaveFile(LogExportRequest(format));
    if (!path) {
        return;
    }
    // Line ends are written as CR LF by the export itself. A refused name
    // is not even read from the log.
    const ExportResult result = m_files.Write(
        *path, [&](std::ostream& out) { WriteLogExport(out, format, m_log.ReadAll()); });
    if (result.outcome != ExportOutcome::Written) {
        m_prompts.MessageBox(ExportFailureText(*path, result), VARNOLT_TEXT("Error..."),
                             PromptIcon::Stop, PromptButtons::Ok);
    }
}

}  // namespace varnolt
