#include "StorageLocation.h"

#include "app/UiText.h"

namespace varnolt {

std::string StorageLocationText(const StorageLocation& location) {
    if (!location.persistent) {
        return location.path.empty()
                   ? MarkedText(
                         VARNOLT_TEXT("in memory for this run only (no home folder is known)"))
                   : FillText(VARNOLT_TEXT("in memory for this run only (%1 could not be used)"),
                              {location.path});
    }
    if (location.readOnly) {
        return FillText(VARNOLT_TEXT("%1 (read-only: changes are not kept)"), {location.path});
    }
    return location.path;
}

}  // namespace varnolt
