#pragma once

#include <string>

namespace varnolt {

// Short messages on the desktop, outside the program's window. Never waits
// and never reports: a desktop that cannot show them simply does not.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Notify(const std::string& title, const std::string& text) = 0;
};

}  // namespace varnolt
