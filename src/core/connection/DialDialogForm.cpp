#include "DialDialogForm.h"
#include "app/UiText.h"

namespace varnolt {

std::string DialDialogTitle(const std::string& entryName) {
    return FillText(VARNOLT_TEXT("Connect to %1"), {entryName});
}

bool AcceptDialCredentials(const DialCredentials& credentials, Prompts& prompts) {
    if (!credentials.rememberPassword || !credentials.password.empty()) {
        return true;
    }
    prompts.MessageBox(VARNOLT_TEXT("An empty password can't be remembered !"),
                       VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
    return false;
}

}  // namespace varnolt
