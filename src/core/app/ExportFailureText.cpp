#include "app/ExportFailureText.h"

#include <cerrno>
#include <system_error>

#include "app/UiText.h"

namespace varnolt {
namespace {

bool IsDiskFull(int error) {
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

}  // namespace

std::string ExportFailureText(const std::string& path, const ExportResult& result) {
    switch (result.outcome) {
        case ExportOutcome::Written:
            return {};
        case ExportOutcome::IsFolder:
            return FillText(
                VARNOLT_TEXT("Nothing was exported: %1 is a folder, not a regular file."), {path});
        case ExportOutcome::IsPipe:
            return FillText(
                VARNOLT_TEXT("Nothing was exported: %1 is a named pipe, not a regular file."),
                {path});
        case ExportOutcome::IsDevice:
            return FillText(
                VARNOLT_TEXT("Nothing was exported: %1 is a device, not a regular file."), {path});
        case ExportOutcome::IsSocket:
            return FillText(
                VARNOLT_TEXT("Nothing was exported: %1 is a socket, not a regular file."), {path});
        case ExportOutcome::OtherUsersFile:
            return FillText(VARNOLT_TEXT("Nothing was exported: %1 belongs to another user."),
                            {path});
        case ExportOutcome::Failed:
            break;
    }
    // The program's two texts for a failed export, each with the reason added.
    const std::string reason = std::generic_category().message(result.error);
    if (IsDiskFull(result.error)) {
        return FillText(VARNOLT_TEXT("Disk full while accessing %1.\n%2"), {path, reason});
    }
    return FillText(
        VARNOLT_TEXT(
            "Error, while writing file! Perhaps your disc is write protect or full!\n%1: %2"),
        {path, reason});
}

}  // namespace varnolt
