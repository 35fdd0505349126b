#pragma once

#include <string>

namespace varnolt {

// What the desktop is asked to do with a path: "open" starts a program or opens
// a document with its default application; "explore" shows a folder (or the
// folder holding a file) in the file manager.
enum class ShellVerb { Open, Explore };
// The window the opened program is asked to show; a launcher that cannot pass
// it on ignores it.
enum class ShowWindow { Normal, Maximized, Minimized };

// Hands paths to the desktop. Never waits for what it starts and never
// reports: a path that cannot be opened is silently passed over. No command
// interpreter ever sits in between, so a path is only ever that path.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Execute(const std::string& path, ShellVerb verb, ShowWindow window) = 0;
};

}  // namespace varnolt
