#pragma once

#include "platform/ExportFile.h"

namespace varnolt {

// An export written with POSIX calls. The chosen name is only looked at
// (lstat), never opened, so a named pipe or a device there cannot block or be
// written to. A new name gets 0666 less the umask, as any document the user
// saves and as the export always had; a replaced file of the user's keeps its
// permission bits, as it did when the export overwrote it in place.
class PosixExportFile final : public ExportFile {
public:
    ExportResult Write(const std::string& path,
                       const std::function<void(std::ostream&)>& fill) override;
};

}  // namespace varnolt
