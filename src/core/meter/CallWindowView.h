#pragma once

#include <string>

#include "meter/CallMeterTexts.h"

namespace varnolt {

// The small window that shows a running call outside the minimised sheet.
class CallWindowView {
public:
    virtual ~CallWindowView() = default;

    // Opens it where the user left it last, showing these texts.
    virtual void ShowCall(const CallMeterTexts& texts) = 0;
    virtual void UpdateCall(const CallMeterTexts& texts) = 0;
    // A line under the call's texts until the window closes.
    virtual void ShowMessage(const std::string& text) = 0;
    // The call is over: it closes and keeps its place for the next call.
    virtual void CloseCall() = 0;
};

}  // namespace varnolt
