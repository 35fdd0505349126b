#include <gtest/gtest.h>

#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"

namespace varnolt {
namespace {

using test::FixedLocale;
using test::MemorySettingsStore;
using test::RecordingSheetHost;
using test::RecordingTreeView;
using test::ScriptedDialer;

TreeItemContext EntryItem(const std::string& name) {
    TreeItemContext item;
    item.text = name;
    item.parent = "Phonebook";
    item.grandparent = "Varnolt";
    return item;
}

TreeItemContext PhonebookItem() {
    TreeItemContext item;
    item.text = "Phonebook";
    item.parent = "Varnolt";
    item.rootChild = RootChild::Phonebook;
    return item;
}

TreeItemContext EntryChild(const std::string& entry, const std::string& section,
                           const std::string& text) {
    TreeItemContext item;
    item.text = text;
    item.parent = section;
    item.grandparent = entry;
    item.greatGrandparent = "Phonebook";
    return item;
}

class PhonebookTreeLogicTest : public ::testing::Test {
protected:
    PhonebookTreeLogicTest() {
        host.onNotification = [this](unsigned message, int) {
            view.log.push_back("notify " + std::to_string(message));
        };
    }

    std::vector<std::string> EntryNames() const {
        std::vector<std::string> names;
        for (const TreeNode& entry : view.tree.children.at(1).children) {
            names.push_back(entry.text);
        }
        return names;
    }

    MemorySettingsStore store;
    ScriptedDialer dialer;
    FixedLocale locale;
    RecordingSheetHost host;
    RecordingTreeView view;
    PhonebookTreeLogic logic{store, dialer, locale, host, view};
};

TEST_F(PhonebookTreeLogicTest, NewEntryOpensTheDialogThenRebuildsThenNotifies) {
    dialer.AddEntry("Office");
    logic.Rebuild();
    view.log.clear();
    dialer.onCreateEntryDialog = [&] {
        view.log.push_back("dialog");
        dialer.AddEntry("Home");
    };
    logic.OnInsertKey(PhonebookItem());
    EXPECT_EQ(view.log, (std::vector<std::string>{"dialog", "tree", "notify 32870"}));
    EXPECT_EQ(EntryNames(), (std::vector<std::string>{"Office", "Home"}));
    // The new entry is the one selected and scrolled to.
    EXPECT_EQ(view.shownState.selected, (TreePath{"Varnolt", "Phonebook", "Home"}));
    EXPECT_TRUE(view.shownState.revealSelected);
    EXPECT_EQ(host.sent, (std::vector<RecordingSheetHost::Sent>{{WM_RELOAD_AUTOCONNECT, 0}}));

    // A cancelled dialog is not examined: the tree is rebuilt all the same.
    dialer.onCreateEntryDialog = nullptr;
    logic.RunCommand(kCmdNewEntry, PhonebookItem());
    EXPECT_EQ(dialer.createDialogCount, 2);
    EXPECT_EQ(host.sent.size(), 2u);
}

TEST_F(PhonebookTreeLogicTest, ARebuildKeepsHowTheUserLeftTheTree) {
    dialer.AddEntry("Office");
    view.leftState = {{{"Varnolt"}, {"Varnolt", "Phonebook"}}, TreePath{"Varnolt", "Provider"}};
    logic.Rebuild();
    EXPECT_EQ(view.shownState.expanded, view.leftState.expanded);
    EXPECT_EQ(view.shownState.selected, view.leftState.selected);
    EXPECT_FALSE(view.shownState.revealSelected);
}

TEST_F(PhonebookTreeLogicTest, EnterOnTheEmptyPhonebooksPlaceholderOpensNewEntry) {
    logic.Rebuild();
    ASSERT_TRUE(view.tree.children.at(1).children.at(0).placeholder);
    TreeItemContext hint = EntryItem(view.tree.children.at(1).children.at(0).text);
    EXPECT_FALSE(logic.OnEnterKey(hint));  // as an entry: Enter goes on to the window
    hint.placeholder = true;
    dialer.onCreateEntryDialog = [&] { dialer.AddEntry("Office"); };
    EXPECT_TRUE(logic.OnEnterKey(hint));
    EXPECT_EQ(dialer.createDialogCount, 1);
    EXPECT_EQ(EntryNames(), (std::vector<std::string>{"Office"}));
}

TEST_F(PhonebookTreeLogicTest, CommandsWithoutHandlersDoNothingUntilOneIsInstalled) {
    const TreeItemContext application = EntryChild("Office", "Autolaunch", "Mail");
    logic.OnDoubleClick(application);
    logic.OnDeleteKey(application);
    logic.RunCommand(kCmdEditApplication, application);
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(ContextMenuFor(TreeItemKind::Application, nullptr), logic.ContextMenu(application));

    std::vector<std::pair<int, std::string>> calls;
    for (int command : {kCmdEditApplication, kCmdDeleteApplication}) {
        logic.InstallHandler(command, [&calls, command](const TreeItemContext& item) {
            calls.emplace_back(command, *item.grandparent + "/" + item.text);
        });
    }
    logic.OnDoubleClick(application);
    logic.OnDeleteKey(application);
    logic.OnDeleteKey(EntryItem("Office"));  // no Delete on an entry
    EXPECT_EQ(calls,
              (std::vector<std::pair<int, std::string>>{{kCmdEditApplication, "Office/Mail"},
                                                        {kCmdDeleteApplication, "Office/Mail"}}));
    for (const MenuItem& item : logic.ContextMenu(application)) {
        EXPECT_TRUE(item.separator || item.enabled) << item.text;
    }
}

TEST_F(PhonebookTreeLogicTest, ScaleMenuMarksTheStoredScale) {
    auto checked = [&](const std::string& entry) {
        std::string texts;
        for (const MenuItem& item :
             logic.ContextMenu(EntryChild(entry, "Call-fee indicator", "Scale: x"))) {
            if (item.checked) {
                texts += item.text;
            }
        }
        return texts;
    };
    store.WriteString("Old", "Scale", "Userdefined");
    store.WriteString("Far", "Scale", "Deutsche Telekom Fern");
    EXPECT_EQ(checked("Old"), "Scale: Userdefined scale #1");
    EXPECT_EQ(checked("Far"), "Scale: Deutsche Telekom Fern");
    EXPECT_EQ(checked("Unset"), "Scale: Deutsche Telekom City");
    store.WriteString("Odd", "Scale", "deutsche telekom fern");
    EXPECT_EQ(checked("Odd"), "");  // an unknown stored scale marks nothing
}

TEST_F(PhonebookTreeLogicTest, ChoosingAScaleRewritesTheScaleItemAndStoresTheIdentifier) {
    // Any child of the call-fee indicator opens the menu; the scale item is its first child.
    const TreeItemContext costs = EntryChild("Office", "Call-fee indicator", "Costs: 0 EUR");
    for (const MenuItem& item : logic.ContextMenu(costs)) {
        EXPECT_TRUE(item.separator || item.enabled) << item.text;
    }
    logic.RunCommand(kCmdScaleRegion50, costs);
    EXPECT_EQ(view.log, (std::vector<std::string>{"sibling 0: Scale: Deutsche Telekom Region 50"}));
    EXPECT_EQ(store.ReadString("Office", "Scale", ""), "Deutsche Telekom Region 50");
    logic.RunCommand(kCmdScaleUserdefined3, costs);
    EXPECT_EQ(store.ReadString("Office", "Scale", ""), "Userdefined scale #3");
    EXPECT_EQ(store.WriteCount(), 2);  // nothing else changes

    // Anywhere else the scale commands touch nothing.
    view.log.clear();
    logic.RunCommand(kCmdScaleFern, EntryItem("Office"));
    logic.RunCommand(kCmdScaleFern, EntryChild("Office", "Login settings", "User: anna"));
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(store.WriteCount(), 2);
}

TEST_F(PhonebookTreeLogicTest, DialStaysGreyedWhileACallRunsAlsoAcrossARebuild) {
    logic.InstallHandler(kCmdDial, [](const TreeItemContext&) {});
    logic.OnSelectionChanged(EntryItem("Office"));
    EXPECT_TRUE(view.dialEnabled);
    logic.SetDialAllowed(false);
    EXPECT_FALSE(view.dialEnabled);
    // Delete LOG rebuilds the tree during the call.
    logic.Rebuild();
    logic.OnSelectionChanged(EntryItem("Office"));
    EXPECT_FALSE(view.dialEnabled);
    logic.SetDialAllowed(true);
    EXPECT_TRUE(view.dialEnabled);
}

}  // namespace
}  // namespace varnolt
