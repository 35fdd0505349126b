#include "StorageLocation.h"

namespace varnolt {

std::string StorageLocationText(const StorageLocation& location) {
    if (!location.persistent) {
        return location.path.empty()
                   ? "in memory for this run only (no home folder is known)"
                   : "in memory for this run only (" + location.path + " could not be used)";
    }
    if (location.readOnly) {
        return location.path + " (read-only: changes are not kept)";
    }
    return location.path;
}

}  // namespace varnolt
