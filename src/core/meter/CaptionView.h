#pragma once

#include <string>

namespace varnolt {

// The window whose caption shows the running call: the main sheet.
class CaptionView {
public:
    virtual ~CaptionView() = default;
    // Replaces the caption; set on every tick, also when it has not changed.
    virtual void SetCaption(const std::string& text) = 0;
    // What the running call is, in a few lines (entry, time, fee), for a
    // tooltip; set after each caption of a call, and gone with the next caption.
    virtual void SetCallSummary(const std::string& summary) = 0;
};

}  // namespace varnolt
