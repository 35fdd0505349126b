#pragma once

#include <string>

namespace varnolt {

class SettingsStore;
class Shell;

// Starts the autolaunch applications of an entry whose connection was just
// made, in number order, each with its mode's verb and window. Applications
// without a path ("<none>" or empty) or with a mode outside the list are passed
// over. Nothing is waited for and nothing is reported.
void Launch(SettingsStore& store, Shell& shell, const std::string& entryName);

}  // namespace varnolt
