#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace varnolt::test {

// A shell that starts nothing and records what it was asked to open, in order.
class RecordingShell final : public Shell {
public:
    struct Call {
        std::string path;
        ShellVerb verb;
        ShowWindow window;
        bool operator==(const Call&) const = default;
    };

    void Execute(const std::string& path, ShellVerb verb, ShowWindow window) override {
        calls.push_back({path, verb, window});
    }

    std::vector<Call> calls;
};

}  // namespace varnolt::test
