#pragma once

#include <string>
#include <vector>

#include "platform/Notifier.h"

namespace varnolt::test {

// Keeps every notification as "title | text", in order.
class RecordingNotifier final : public Notifier {
public:
    void Notify(const std::string& title, const std::string& text) override {
        sent.push_back(title + " | " + text);
    }
    std::vector<std::string> sent;
};

}  // namespace varnolt::test
