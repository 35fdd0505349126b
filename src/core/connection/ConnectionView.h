#pragma once

#include <string>

namespace varnolt {

// The Phonebook page's connection controls as the connection state machine
// drives them.
class ConnectionView {
public:
    virtual ~ConnectionView() = default;
    // The status line and its tooltip, which explains the line in plain words
    // where it only gives a code; empty for none.
    virtual void ShowStatus(const std::string& text, const std::string& toolTip) = 0;
    // The redial progress bar runs from 0 to `maximum`.
    virtual void SetProgressRange(int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    // The tree and "&Dial" together: both usable only while nothing is dialed.
    virtual void EnableDialing(bool enable) = 0;
    virtual void EnableCancel(bool enable) = 0;
};

}  // namespace varnolt
