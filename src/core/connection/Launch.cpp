#include "Launch.h"

#include "connection/AutolaunchList.h"
#include "platform/Shell.h"

namespace varnolt {

void Launch(SettingsStore& store, Shell& shell, const std::string& entryName) {
    const AutolaunchList list(store, entryName);
    for (const int number : list.Numbers()) {
        const AutolaunchApplication application = list.Read(number);
        const StartupMode* mode = StartupModeOf(application.startup);
        if (mode == nullptr || application.path.empty() || application.path == "<none>") {
            continue;
        }
        shell.Execute(application.path, mode->verb, mode->window);
    }
}

}  // namespace varnolt
