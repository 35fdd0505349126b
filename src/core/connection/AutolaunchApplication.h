#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/Prompts.h"
#include "platform/Shell.h"

namespace varnolt {

// One application an entry starts once its connection is made.
struct AutolaunchApplication {
    std::string path;
    std::string description;  // shown in the tree; also what identifies it there
    int startup = 0;          // the position in kStartupModes

    bool operator==(const AutolaunchApplication&) const = default;
};

// The startup modes in the order of the dialog's list; a stored mode is the
// position in this list.
struct StartupMode {
    std::string_view text;
    ShellVerb verb;
    ShowWindow window;
};
inline constexpr std::array<StartupMode, 6> kStartupModes = {{
    {"OPEN normal", ShellVerb::Open, ShowWindow::Normal},
    {"EXPLORE normal", ShellVerb::Explore, ShowWindow::Normal},
    {"OPEN maximized", ShellVerb::Open, ShowWindow::Maximized},
    {"EXPLORE maximized", ShellVerb::Explore, ShowWindow::Maximized},
    {"OPEN minimized", ShellVerb::Open, ShowWindow::Minimized},
    {"EXPLORE minimized", ShellVerb::Explore, ShowWindow::Minimized},
}};
// The mode of a stored number; nullptr for a number outside the list.
const StartupMode* StartupModeOf(int number);

// The dialog's check on OK: path and description must both be given, else the
// message is shown and the dialog stays open.
bool AcceptAutolaunchApplication(const AutolaunchApplication& application, Prompts& prompts);

// The description proposed for a chosen file: its name without the folder and
// without its last extension. A name that starts with its only dot (".profile")
// is kept whole.
std::string DescriptionFromPath(std::string_view path);

// The chooser behind "&Application...". Programs on this system have no
// extension, so the chooser also lists every file and adds none to a name.
FileRequest AutolaunchFileRequest();

}  // namespace varnolt
