#pragma once

#include <iosfwd>
#include <vector>

#include "log/CLogRecord.h"
#include "platform/Prompts.h"

namespace varnolt {

// The two files the LOG view writes: a framed plain-text report and
// tab-separated text for a spreadsheet.
enum class LogExportFormat { Ascii, Tabbed };

// The save chooser an export shows.
FileRequest LogExportRequest(LogExportFormat format);

// Writes the format's banner and one block or line per record, every line end
// as CR LF (a line feed inside a value too) and the values exactly as they
// are. Stops at the first write the stream refuses.
void WriteLogExport(std::ostream& out, LogExportFormat format,
                    const std::vector<CLogRecord>& records);

}  // namespace varnolt
