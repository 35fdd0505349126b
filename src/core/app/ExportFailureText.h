#pragma once

#include <string>

#include "platform/ExportFile.h"

namespace varnolt {

// What an "Error..." box says about an export to `path` that was refused or
// failed: the file's name and, for a failure, the system's reason. Empty for
// an export that was written.
std::string ExportFailureText(const std::string& path, const ExportResult& result);

}  // namespace varnolt
