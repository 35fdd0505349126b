#pragma once

#include <string>

namespace varnolt {

// Where one of the program's databases is kept on this machine.
struct StorageLocation {
    std::string path;         // empty when no home folder is known
    bool persistent = false;  // false: the file could not be used, this run keeps it in memory
    bool readOnly = false;    // read from the file, but changes are not kept
};

// The location as the About page tells it: the path, and what keeps the data
// from being saved there, if anything does.
std::string StorageLocationText(const StorageLocation& location);

}  // namespace varnolt
