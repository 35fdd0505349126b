#pragma once

#include "app/AppIdentity.h"

namespace varnolt {

// Fixed page indices in tab order; WM_SELECT_PAGE addresses pages by these.
enum PageIndex : int {
    kPagePhonebook = 0,
    kPageLogView = 1,
    kPageScaleManager = 2,
    kPageHolidayDatabase = 3,
    kPageOptions = 4,
    kPageWindowStyles = 5,
    kPageAbout = 6,
    kPageStatistics = 7,
    kPageCount = 8,
};

// Private notifications relayed by the sheet between pages.
constexpr unsigned WM_APP = 0x8000;
constexpr unsigned WM_RELOAD_PHONEBOOK = WM_APP + 100;
constexpr unsigned WM_RELOAD_LOG = WM_APP + 101;
constexpr unsigned WM_RELOAD_AUTOCONNECT = WM_APP + 102;
constexpr unsigned WM_SELECT_PAGE = WM_APP + 103;
// The Scale manager selects a scale; param is its position in kAllScales.
constexpr unsigned WM_SELECT_SCALE = WM_APP + 104;

// The extra window command that hangs up the line.
constexpr int kCmdHangUpConnection = 32782;

// What pages and core logic may ask of the sheet that hosts them.
class SheetHost {
public:
    virtual ~SheetHost() = default;
    // Sends one private notification synchronously; param is its second parameter.
    virtual void SendNotification(unsigned message, int param) = 0;
    // Greys or enables the "Hang up connection" command.
    virtual void EnableHangUpCommand(bool enable) = 0;
};

}  // namespace varnolt
