#include <gtest/gtest.h>

#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "connection/EntryCommands.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"

namespace varnolt::test {
namespace {

using Strings = std::vector<std::string>;
using Sent = RecordingSheetHost::Sent;

TreeItemContext EntryItem(const std::string& name) {
    return {name, "Phonebook", "Varnolt", {}, RootChild::None};
}

// Office with totals, a scale and two applications, in providers A (with
// Home) and B; provider C lists only Home. The log and the overall total are
// the calls', and no command may write them.
struct World {
    World() {
        dialer.AddEntry("Office");
        dialer.AddEntry("Home");
        commands.InstallInto(tree);
        MemorySettingsStore& m = store.memory;
        m.WriteString("Office", "Total costs", "12.34");
        m.WriteString("Office", "Scale", "Fern");
        m.WriteInt("Office", "Autolaunch", 2);
        m.WriteString("Office Autolaunch #1", "Description", "Mail");
        m.WriteString("Office Autolaunch #2", "Description", "News");
        m.WriteString("All entries", "Total costs", "13.34");
        m.WriteInt("__LOG file", "Anzahl", 1);
        m.WriteString("__LOG file", "Entry #1", "Office");
        m.WriteInt("_Provider List_", "nCount", 3);
        const std::pair<const char*, Strings> providers[] = {
            {"A", {"Office", "Home"}}, {"B", {"Office"}}, {"C", {"Home"}}};
        int number = 0;
        for (const auto& [description, members] : providers) {
            const std::string section = std::string("Provider ") + description;
            m.WriteString("_Provider List_", "Provider #" + std::to_string(++number), description);
            m.WriteInt(section, "How much entries", static_cast<int>(members.size()));
            for (std::size_t i = 0; i < members.size(); ++i) {
                m.WriteString(section, "Phonebook #" + std::to_string(i + 1), members[i]);
            }
        }
    }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    RecordingTreeView view;
    RecordingSheetHost host;
    FixedLocale locale;
    PhonebookTreeLogic tree{store, dialer, locale, host, view};
    EntryCommands commands{{store, dialer, locale, prompts, dialogs, host}, tree};
};

TEST(EntryCommands, DeleteAsksThenDropsTheEntrysSettingsInOneTransaction) {
    World w;
    w.prompts.Answer(PromptAnswer::No);
    w.tree.RunCommand(kCmdDeleteEntry, EntryItem("Office"));
    ASSERT_EQ(w.prompts.shown().size(), 1u);
    EXPECT_EQ(w.prompts.shown()[0].text,
              "Delete entry 'Office' with total costs of 12.34 EUR ?\n"
              "Its calls stay in the log and in the overall total.");
    EXPECT_EQ(w.dialer.EnumEntries(), (Strings{"Office", "Home"}));
    EXPECT_EQ(w.store.writes, Strings{});
    EXPECT_EQ(w.host.sent, std::vector<Sent>{});

    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteEntry, EntryItem("Office"));
    EXPECT_EQ(w.dialer.EnumEntries(), Strings{"Home"});
    // The log, the overall total and provider C are not written.
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "REMOVE Office Autolaunch #1", "REMOVE Office Autolaunch #2",
                       "REMOVE Office", "REMOVE Provider A", "Provider A|How much entries=1",
                       "Provider A|Phonebook #1='Home'", "REMOVE Provider B",
                       "Provider B|How much entries=0", "END"}));
    EXPECT_EQ(w.store.ReadString("__LOG file", "Entry #1", ""), "Office");
    EXPECT_EQ(w.store.ReadString("All entries", "Total costs", ""), "13.34");
    EXPECT_EQ(w.view.log, Strings{"tree"});
    EXPECT_EQ(w.host.sent, (std::vector<Sent>{{WM_RELOAD_AUTOCONNECT, 0}}));
    EXPECT_EQ(w.prompts.unscripted(), 0);
}

TEST(EntryCommands, RenameMovesTheEntrysSettingsAfterTheServiceAgreed) {
    World w;
    w.store.memory.WriteString("_Autoconnect", "Entry", "Office");
    w.store.memory.WriteString("Work", "Scale", "City");  // left by no entry
    // Cancelled, or the same name: nothing is asked of the service.
    w.dialogs.nameResults = {std::nullopt, "Office", "Work"};
    for (int i = 0; i < 3; ++i) {
        w.tree.RunCommand(kCmdRenameEntry, EntryItem("Office"));
    }
    EXPECT_EQ(w.dialogs.nameOpened, (Strings{"Office", "Office", "Office"}));
    EXPECT_EQ(w.dialer.EnumEntries(), (Strings{"Work", "Home"}));
    EXPECT_EQ(
        w.store.writes,
        (Strings{
            "BEGIN", "REMOVE Office Autolaunch #1", "REMOVE Office Autolaunch #2", "REMOVE Office",
            "REMOVE Work", "Work|Autolaunch=2", "Work|Scale='Fern'", "Work|Total costs='12.34'",
            "Work Autolaunch #1|Description='Mail'", "Work Autolaunch #2|Description='News'",
            "REMOVE Provider A", "Provider A|How much entries=2", "Provider A|Phonebook #1='Work'",
            "Provider A|Phonebook #2='Home'", "REMOVE Provider B", "Provider B|How much entries=1",
            "Provider B|Phonebook #1='Work'", "_Autoconnect|Entry='Work'", "END"}));
    EXPECT_EQ(w.store.ReadString("__LOG file", "Entry #1", ""), "Office");
    EXPECT_EQ(w.view.log, Strings{"tree"});
    EXPECT_EQ(w.host.sent, (std::vector<Sent>{{WM_RELOAD_AUTOCONNECT, 0}}));

    // A refusal says the service's reason and changes nothing.
    w.store.writes.clear();
    w.dialogs.nameResults = {"Work"};
    w.tree.RunCommand(kCmdRenameEntry, EntryItem("Home"));
    ASSERT_EQ(w.prompts.shown().size(), 1u);
    EXPECT_EQ(w.prompts.shown()[0].text, w.dialer.ErrorString(ras::kErrorEntryExists));
    EXPECT_EQ(w.dialer.EnumEntries(), (Strings{"Work", "Home"}));
    EXPECT_EQ(w.store.writes, Strings{});
    EXPECT_EQ(w.host.sent.size(), 1u);

    // Not while a call runs: its accounting writes under the entry's name.
    w.tree.SetDialAllowed(false);
    for (int command : {kCmdRenameEntry, kCmdDeleteEntry}) {
        w.tree.RunCommand(command, EntryItem("Home"));
    }
    EXPECT_EQ(w.prompts.shown().size(), 3u);
    EXPECT_EQ(w.dialogs.nameOpened.size(), 4u);
    EXPECT_EQ(w.dialer.EnumEntries(), (Strings{"Work", "Home"}));
}

}  // namespace
}  // namespace varnolt::test
