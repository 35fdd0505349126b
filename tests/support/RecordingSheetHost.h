#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "app/SheetMessages.h"

namespace varnolt::test {

// A sheet host that records the notifications pages send it.
class RecordingSheetHost final : public SheetHost {
public:
    struct Sent {
        unsigned message;
        int param;
        bool operator==(const Sent&) const = default;
    };

    void SendNotification(unsigned message, int param) override {
        sent.push_back({message, param});
        if (onNotification) {
            onNotification(message, param);
        }
    }
    void EnableHangUpCommand(bool enable) override { hangUpEnabled.push_back(enable); }

    std::vector<Sent> sent;
    std::vector<bool> hangUpEnabled;
    std::function<void(unsigned, int)> onNotification;
};

}  // namespace varnolt::test
