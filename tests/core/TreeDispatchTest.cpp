#include <gtest/gtest.h>

#include <set>

#include "app/SheetMessages.h"
#include "connection/TreeCommands.h"
#include "connection/TreeDispatch.h"

namespace varnolt {
namespace {

using K = TreeItemKind;

// A menu as "text=command" lines, "-" for a separator; greyed items get "(off)"
// and checked ones "(x)".
std::string Describe(const PopupMenu& menu) {
    std::string out;
    for (const MenuItem& item : menu) {
        if (!out.empty()) {
            out += ", ";
        }
        if (item.separator) {
            out += "-";
            continue;
        }
        out += item.text + "=" + std::to_string(item.command);
        out += item.enabled ? "" : "(off)";
        out += item.checked ? "(x)" : "";
    }
    return out;
}

CommandAvailable Only(std::set<int> commands) {
    return [commands](int command) { return commands.count(command) != 0; };
}
const CommandAvailable kAll = [](int) { return true; };

TEST(ContextMenuFor, EachKindGetsItsMenu) {
    struct Case {
        TreeItemKind kind;
        const char* menu;
    };
    const Case cases[] = {
        {K::Entry,
         "&Dial entry=1005, -, &Edit entry...=1003, -, De&lete entry=1150, "
         "&Rename entry...=1151"},
        {K::EntryLoginSettings, "&Edit login settings...=1016"},
        {K::EntryAutolaunch, "&Insert application...=1006"},
        {K::Application, "&Edit application...=1010, -, &Delete application...=1011"},
        {K::LoginSettingsChild, "&Edit login settings...=1016"},
        {K::PhonebookItem, "&New entry...=1002"},
        {K::Placeholder, "&New entry...=1002"},
        {K::ProviderItem, "&New provider...=1036"},
        {K::Provider, "&Dial provider=1043, -, &Edit provider...=1042, &Delete provider...=1044"},
        {K::EntryCallFee, ""},
        {K::OverallIndicator, ""},
        {K::OverallChild, ""},
        {K::Root, ""},
        {K::ProviderMember, ""},
        {K::Other, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(ContextMenuFor(c.kind, kAll)), c.menu)
            << "kind " << static_cast<int>(c.kind);
    }
}

TEST(ContextMenuFor, CommandsWithoutAHandlerAreGreyed) {
    CommandAvailable entryCommands = Only({kCmdNewEntry, kCmdEditEntry});
    EXPECT_EQ(Describe(ContextMenuFor(K::Entry, entryCommands)),
              "&Dial entry=1005(off), -, &Edit entry...=1003, -, De&lete entry=1150(off), "
              "&Rename entry...=1151(off)");
    EXPECT_EQ(Describe(ContextMenuFor(K::PhonebookItem, entryCommands)), "&New entry...=1002");
    EXPECT_EQ(Describe(ContextMenuFor(K::Provider, Only({kCmdDeleteProvider}))),
              "&Dial provider=1043(off), -, &Edit provider...=1042(off), "
              "&Delete provider...=1044");
    EXPECT_EQ(Describe(ContextMenuFor(K::EntryAutolaunch, nullptr)),
              "&Insert application...=1006(off)");
}

TEST(ContextMenuFor, ScaleMenuMarksTheEntrysScale) {
    EXPECT_EQ(Describe(ContextMenuFor(K::CallFeeChild, kAll, "Deutsche Telekom Region 200")),
              "Scale: Deutsche Telekom City=1072, Scale: Deutsche Telekom Region 50=1073, "
              "Scale: Deutsche Telekom Region 200=1074(x), Scale: Deutsche Telekom Fern=1075, -, "
              "Scale: Userdefined scale #1=1076, Scale: Userdefined scale #2=1145, "
              "Scale: Userdefined scale #3=1146");
    PopupMenu menu = ContextMenuFor(K::CallFeeChild, Only({}), "Userdefined scale #3");
    ASSERT_EQ(menu.size(), 8u);
    for (const MenuItem& item : menu) {
        EXPECT_TRUE(item.separator || !item.enabled) << item.text;
        EXPECT_EQ(item.checkable, !item.separator) << item.text;
        EXPECT_EQ(item.checked, item.command == kCmdScaleUserdefined3) << item.text;
    }
    // An unknown scale marks nothing.
    for (const MenuItem& item : ContextMenuFor(K::CallFeeChild, kAll, "Mondtarif")) {
        EXPECT_FALSE(item.checked) << item.text;
    }
}

TEST(TreeDispatch, DoubleClickKeysAndDialButton) {
    struct Case {
        TreeItemKind kind;
        DoubleClickAction doubleClick;
        int deleteKey;
        int insertKey;
        int dial;
    };
    using A = DoubleClickAction::Kind;
    const DoubleClickAction none{};
    const Case cases[] = {
        {K::CallFeeChild, {A::SelectPage, kPageScaleManager}, 0, 0, 0},
        {K::Application, {A::Command, kCmdEditApplication}, kCmdDeleteApplication, 0, 0},
        {K::LoginSettingsChild, {A::Command, kCmdEditLoginSettings}, 0, 0, 0},
        {K::OverallChild, {A::SelectPage, kPageLogView}, 0, 0, 0},
        {K::PhonebookItem, none, 0, kCmdNewEntry, 0},
        {K::Placeholder, {A::Command, kCmdNewEntry}, 0, kCmdNewEntry, 0},
        {K::ProviderItem, none, 0, kCmdNewProvider, 0},
        {K::EntryAutolaunch, none, 0, kCmdInsertApplication, 0},
        {K::Provider, none, kCmdDeleteProvider, 0, kCmdDialProvider},
        {K::Entry, none, 0, 0, kCmdDial},
        {K::EntryLoginSettings, none, 0, 0, 0},
        {K::EntryCallFee, none, 0, 0, 0},
        {K::OverallIndicator, none, 0, 0, 0},
        {K::ProviderMember, none, 0, 0, 0},
        {K::Root, none, 0, 0, 0},
        {K::Other, none, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(DoubleClickFor(c.kind), c.doubleClick);
        EXPECT_EQ(DeleteKeyCommand(c.kind), c.deleteKey);
        EXPECT_EQ(InsertKeyCommand(c.kind), c.insertKey);
        EXPECT_EQ(DialButtonCommand(c.kind), c.dial);
        // Enter acts only on the placeholder; elsewhere it goes on to the window.
        EXPECT_EQ(EnterKeyCommand(c.kind), c.kind == K::Placeholder ? kCmdNewEntry : 0);
    }
}

}  // namespace
}  // namespace varnolt
