#include "LoginSettingsCommand.h"

#include "connection/ConnectionDialogs.h"
#include "connection/EntrySection.h"
#include "connection/LoginSettingsForm.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"
#include "platform/RemoteAccess.h"
#include "platform/SettingsStore.h"

namespace varnolt {

void LoginSettingsCommand::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdEditLoginSettings,
                        [this](const TreeItemContext& selected) { Run(selected); });
}

void LoginSettingsCommand::Run(const TreeItemContext& selected) {
    // The selection is the "Login settings" item or one of its three children.
    const TreeItemKind kind = ClassifyTreeItem(selected);
    if (kind != TreeItemKind::EntryLoginSettings && kind != TreeItemKind::LoginSettingsChild) {
        return;
    }
    const bool onChild = kind == TreeItemKind::LoginSettingsChild;
    const std::string entry = onChild ? *selected.grandparent : *selected.parent;

    RasDialParams params;
    bool passwordStored = false;
    m_dialer.GetEntryDialParams(entry, params, passwordStored);
    const std::optional<LoginSettings> edited = m_dialogs.EditLoginSettings(
        {params.userName, params.password,
         m_store.ReadInt(EntrySection(entry), kRedialAfterKey, kDefaultRedialDelay)});
    if (!edited) {
        return;
    }

    m_store.WriteInt(EntrySection(entry), kRedialAfterKey, edited->redialDelay);
    // After this dialog a password is always stored, possibly an empty one.
    m_dialer.SetEntryDialParams(entry, {edited->userName, edited->password}, false);

    // The items show what the service and the store now hold, so a failed
    // write never shows as saved.
    const std::array<std::string, 3> texts = LoginItemTexts(m_dialer, m_store, entry);
    for (int position = 0; position < 3; ++position) {
        const std::string& text = texts[static_cast<std::size_t>(position)];
        if (onChild) {
            m_view.SetSelectedSiblingText(position, text);
        } else {
            m_view.SetSelectedChildText(position, text);
        }
    }
}

}  // namespace varnolt
