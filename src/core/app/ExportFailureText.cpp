#include "app/ExportFailureText.h"

#include <cerrno>
#include <system_error>

namespace varnolt {
namespace {

std::string NotRegular(const std::string& path, const char* what) {
    return "Nothing was exported: " + path + " is " + what + ", not a regular file.";
}

bool IsDiskFull(int error) {
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

}  // namespace

std::string ExportFailureText(const std::string& path, const ExportResult& result) {
    switch (result.outcome) {
        case ExportOutcome::Written:
            return {};
        case ExportOutcome::IsFolder:
            return NotRegular(path, "a folder");
        case ExportOutcome::IsPipe:
            return NotRegular(path, "a named pipe");
        case ExportOutcome::IsDevice:
            return NotRegular(path, "a device");
        case ExportOutcome::IsSocket:
            return NotRegular(path, "a socket");
        case ExportOutcome::OtherUsersFile:
            return "Nothing was exported: " + path + " belongs to another user.";
        case ExportOutcome::Failed:
            break;
    }
    // The program's two texts for a failed export, each with the reason added.
    const std::string reason = std::generic_category().message(result.error);
    if (IsDiskFull(result.error)) {
        return "Disk full while accessing " + path + ".\n" + reason;
    }
    return "Error, while writing file! Perhaps your disc is write protect or full!\n" + path +
           ": " + reason;
}

}  // namespace varnolt
