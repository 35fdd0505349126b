#pragma once

#include "platform/Shell.h"

namespace varnolt {

// Opens paths on the desktop. "open" starts an executable file as a detached
// process of its own, with no arguments and no shell; anything else goes to
// the desktop's default application. "explore" shows the folder in the file
// manager. A bare name without a folder is looked up in PATH first.
class QtShell final : public Shell {
public:
    void Execute(const std::string& path, ShellVerb verb, ShowWindow window) override;
};

}  // namespace varnolt
