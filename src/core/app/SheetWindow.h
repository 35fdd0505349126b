#pragma once

#include "meter/CaptionView.h"

namespace varnolt {

// The main sheet's window as the life of a call moves it: minimised while a
// connection is up, brought back when it ends, and closed after a call when
// the user asked for that.
class SheetWindow : public CaptionView {
public:
    // Normal size and in front of other windows.
    virtual void RestoreSheet() = 0;
    virtual void MinimizeSheet() = 0;
    // Closes the sheet, which ends the program, once the event being handled
    // has returned: the caller may be a handler of a page the close destroys.
    virtual void CloseSheetLater() = 0;
};

}  // namespace varnolt
