#include "AutolaunchCommands.h"

#include "connection/AutolaunchList.h"
#include "connection/ConnectionDialogs.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/PhonebookTreeView.h"
#include "connection/TreeCommands.h"

namespace varnolt {

void AutolaunchCommands::InstallInto(PhonebookTreeLogic& tree) {
    tree.InstallHandler(kCmdInsertApplication,
                        [this](const TreeItemContext& selected) { Insert(selected); });
    tree.InstallHandler(kCmdEditApplication,
                        [this](const TreeItemContext& selected) { Edit(selected); });
    tree.InstallHandler(kCmdDeleteApplication,
                        [this](const TreeItemContext& selected) { Delete(selected); });
}

void AutolaunchCommands::Insert(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::EntryAutolaunch) {
        return;
    }
    const std::optional<AutolaunchApplication> added =
        m_dialogs.EditAutolaunchApplication({"", "", 0});
    if (added && AutolaunchList(m_store, *selected.parent).Append(*added)) {
        m_view.AddSelectedChild({added->description, ImageRole::Application, {}});
        m_view.SelectPath(ChildPath(selected, added->description));
    }
}

void AutolaunchCommands::Edit(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Application) {
        return;
    }
    AutolaunchList list(m_store, *selected.grandparent);
    const int number = list.Find(selected.text);
    if (number == 0) {
        return;
    }
    const std::optional<AutolaunchApplication> edited =
        m_dialogs.EditAutolaunchApplication(list.Read(number));
    const int row = list.Row(number);
    if (edited && list.Replace(number, *edited)) {
        m_view.SetSelectedSiblingText(row, edited->description);
    }
}

void AutolaunchCommands::Delete(const TreeItemContext& selected) {
    if (ClassifyTreeItem(selected) != TreeItemKind::Application) {
        return;
    }
    const std::string question =
        "Delete application '" + selected.text + "' from autolaunch-group ?";
    if (m_prompts.MessageBox(question, "Delete application...", PromptIcon::Question,
                             PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    AutolaunchList list(m_store, *selected.grandparent);
    const int number = list.Find(selected.text);
    const int row = list.Row(number);
    if (number != 0 && list.Remove(number)) {
        m_view.DeleteSelectedSibling(row);
    }
}

}  // namespace varnolt
