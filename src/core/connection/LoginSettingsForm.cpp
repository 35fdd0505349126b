#include "LoginSettingsForm.h"

#include "app/NumberText.h"

namespace varnolt {

bool AcceptLoginSettings(const LoginSettings& settings, Prompts& prompts) {
    if (!settings.userName.empty()) {
        return true;
    }
    prompts.MessageBox("You will have to define a username first !", "Error...", PromptIcon::Stop,
                       PromptButtons::Ok);
    return false;
}

int ReadRedialDelay(std::string_view fieldText) {
    int delay = kDefaultRedialDelay;
    ScanLeadingInt(fieldText, delay);
    return delay;
}

}  // namespace varnolt
