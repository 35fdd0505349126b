#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace varnolt {

// How writing a file the user named ended.
enum class ExportOutcome {
    Written,
    // Refused before anything was opened: the name is there already as
    // something other than a regular file, or as another user's file.
    IsFolder,
    IsPipe,
    IsDevice,
    IsSocket,
    OtherUsersFile,
    // The system refused a step: looking at the name, creating, writing,
    // syncing, closing or renaming the new file.
    Failed,
};

struct ExportResult {
    ExportOutcome outcome = ExportOutcome::Written;
    int error = 0;  // Failed: the system's error number

    bool operator==(const ExportResult&) const = default;
};

// Writes the files the user names for an export, whole or not at all: the
// bytes go to a new file in the chosen folder, which then replaces the chosen
// name. A link of that name is replaced, never followed, and a failed export
// leaves the name as it was and nothing beside it.
class ExportFile {
public:
    virtual ~ExportFile() = default;
    // `fill` writes the file's bytes into the stream it is given.
    virtual ExportResult Write(const std::string& path,
                               const std::function<void(std::ostream&)>& fill) = 0;
};

}  // namespace varnolt
