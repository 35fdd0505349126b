#include "AutolaunchApplication.h"

#include "app/UiText.h"

namespace varnolt {

const StartupMode* StartupModeOf(int number) {
    if (number < 0 || number >= static_cast<int>(kStartupModes.size())) {
        return nullptr;
    }
    return &kStartupModes[static_cast<std::size_t>(number)];
}

bool AcceptAutolaunchApplication(const AutolaunchApplication& application, Prompts& prompts) {
    if (!application.path.empty() && !application.description.empty()) {
        return true;
    }
    prompts.MessageBox(VARNOLT_TEXT("Application path or description misssing!"),
                       VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
    return false;
}

std::string DescriptionFromPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

FileRequest AutolaunchFileRequest() {
    return {VARNOLT_TEXT("Autolaunch program..."),
            {{VARNOLT_TEXT("Executables (*.EXE)"), "*.EXE"}, {VARNOLT_TEXT("All files"), "*"}},
            "*.EXE",
            {}};
}

}  // namespace varnolt
