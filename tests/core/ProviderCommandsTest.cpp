#include <gtest/gtest.h>

#include <climits>

#include "FixedLocale.h"
#include "ProviderDialogUser.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"
#include "provider/CProviderStore.h"
#include "provider/ProviderCommands.h"
#include "provider/ProviderList.h"

namespace varnolt::test {
namespace {

using Strings = std::vector<std::string>;
using Sent = RecordingSheetHost::Sent;
const Sent kReloadAutoconnect{WM_RELOAD_AUTOCONNECT, 0};
const TreeItemContext kProviderList{"Provider", "Varnolt", {}, {}, RootChild::Provider};

TreeItemContext ProviderItem(const std::string& description) {
    return {description, "Provider", "Varnolt", {}, RootChild::None};
}

// The tree's provider commands with the Provider dialog played on its logic.
// The phonebook has E1, E2 and E3; the providers given are stored with "nCount"
// `count`, each with the one entry E1.
struct World {
    explicit World(const Strings& providers = {}, int count = 0) {
        for (const char* entry : {"E1", "E2", "E3"}) {
            dialer.AddEntry(entry);
        }
        commands.InstallInto(tree);
        store.memory.WriteInt("_Provider List_", "nCount", count);
        for (std::size_t i = 0; i < providers.size(); ++i) {
            store.memory.WriteString("_Provider List_", "Provider #" + std::to_string(i + 1),
                                     providers[i]);
            store.memory.WriteInt("Provider " + providers[i], "How much entries", 1);
            store.memory.WriteString("Provider " + providers[i], "Phonebook #1", "E1");
        }
    }
    Strings Stored() const { return ProviderList(store.memory).Descriptions(); }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    ScriptedPrompts prompts;
    RecordingTreeView view;
    RecordingSheetHost host;
    FixedLocale locale;
    ProviderDialogUser dialogs{store, dialer, prompts};
    PhonebookTreeLogic tree{store, dialer, locale, host, view};
    ProviderCommands commands{store, prompts, dialogs, view, host};
};

TEST(ProviderCommands, NewAndEditWriteTheEntriesInTheOrderMovedInOneTransaction) {
    World w;
    w.dialogs.visits.push_back({{"E2", "E1"}, "A"});
    w.tree.OnInsertKey(kProviderList);
    EXPECT_EQ(w.dialogs.opened, (std::vector<std::pair<std::string, int>>{{"", 0}}));
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "_Provider List_|nCount=1", "Provider A|How much entries=2",
                       "Provider A|Phonebook #1='E2'", "Provider A|Phonebook #2='E1'",
                       "_Provider List_|Provider #1='A'", "END"}));
    EXPECT_EQ(w.view.log,
              (Strings{"add child: A\n E2\n E1\n", "expand", "reveal Varnolt/Provider/A"}));

    // Renamed, it gets a section of its own; the old one stays as it was.
    w.store.writes.clear();
    w.dialogs.visits.push_back({{"E3"}, "C"});
    w.tree.RunCommand(kCmdEditProvider, ProviderItem("A"));
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "Provider C|How much entries=3", "Provider C|Phonebook #1='E2'",
                       "Provider C|Phonebook #2='E1'", "Provider C|Phonebook #3='E3'",
                       "_Provider List_|Provider #1='C'", "END"}));
    EXPECT_EQ(w.view.log.back(), "replace: C\n E2\n E1\n E3\n");
    // The autoconnect lists name providers by description.
    EXPECT_EQ(w.host.sent, std::vector(2, kReloadAutoconnect));
}

TEST(ProviderCommands, TheDialogOffersTheOtherEntriesAndShowsWhatIsStored) {
    World w;
    w.store.WriteInt("Provider A", "How much entries", INT_MAX);
    w.store.WriteString("Provider A", "Phonebook #1", "E2");
    w.store.WriteString("Provider A", "Phonebook #3", "Gone");
    std::string description = "A";
    w.dialogs.EditProvider(description, 1);
    EXPECT_EQ(w.dialogs.lists,
              (std::array<Strings, 2>{{{"E1", "E3"}, {"E2", "Gone"}}}));  // #2: a gap
}

TEST(ProviderList, AHugeCountCostsWhatIsStoredAndSkipsGaps) {
    test::RecordingSettingsStore store;
    store.memory.WriteInt("_Provider List_", "nCount", INT_MAX);
    store.memory.WriteInt("Provider A", "How much entries", INT_MAX);
    for (const auto& [number, name] : {std::pair{1, "A"}, {2, "B"}, {INT_MAX, "C"}}) {
        store.memory.WriteString("_Provider List_", "Provider #" + std::to_string(number), name);
        store.memory.WriteString("Provider A", "Phonebook #" + std::to_string(number),
                                 std::string("E") + name);
    }
    store.readLimit = 2000;  // a read per number up to the count throws
    const ProviderList list(store);
    EXPECT_EQ(list.Descriptions(), (Strings{"A", "B", "C"}));
    EXPECT_EQ(list.Members("A"), (Strings{"EA", "EB", "EC"}));
    EXPECT_EQ(list.FindFirst("C", ProviderList::kUnknown), INT_MAX);
    EXPECT_EQ(list.FindLast("A", ProviderList::kNone), 1);
    ASSERT_TRUE(CProviderStore(store).Remove(1));
    EXPECT_EQ(list.Descriptions(), (Strings{"B", "C"}));
}

TEST(ProviderCommands, ADescriptionMustDifferExactlyFromEveryOtherProvidersOne) {
    struct Case {
        const char* item;  // the provider item edited; nullptr: New provider
        const char* typed;
        Strings stored;  // afterwards
    };
    const Case cases[] = {
        {"A", "A", {"A", "B"}},
        {"A", "B", {"A", "B"}},
        {"A", "b", {"b", "B"}},
        {nullptr, "B", {"A", "B"}},
        {nullptr, "a", {"A", "B", "a"}},
        // The store changed behind the tree: OK appends, but never a duplicate.
        {"Ghost", "Ghost", {"A", "B", "Ghost"}},
        {"Ghost", "A", {"A", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item ? c.item : "new") + " as " + c.typed);
        World w({"A", "B"}, 2);
        w.dialogs.visits.push_back({{"E2"}, c.typed});
        w.tree.RunCommand(c.item ? kCmdEditProvider : kCmdNewProvider,
                          c.item ? ProviderItem(c.item) : kProviderList);
        EXPECT_EQ(w.Stored(), c.stored);
        // A refusal says so and writes nothing.
        const bool refused = w.view.log.empty();
        EXPECT_EQ(w.prompts.shown().size(), refused ? 1u : 0u);
        EXPECT_EQ(w.store.ValueWrites() == 0, refused);
    }
}

TEST(ProviderCommands, NewAppendsAfterTheLastProviderShown) {
    const struct {
        int count;
        Strings stored;
        Strings after;
    } cases[] = {{2, {"A", "B"}, {"A", "B", "N"}},
                 {INT_MAX, {"A", "B"}, {"A", "B", "N"}},
                 {-4, {"A"}, {"N"}},
                 {0, {"A"}, {"N"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        World w(c.stored, c.count);
        w.dialogs.visits.push_back({{"E1"}, "N"});
        w.tree.RunCommand(kCmdNewProvider, kProviderList);
        EXPECT_EQ(w.store.ReadInt("_Provider List_", "nCount", 0), int(c.after.size()));
        EXPECT_EQ(w.Stored(), c.after);
    }
}

TEST(ProviderCommands, DeleteAsksThenClosesTheGapInOneTransaction) {
    // The shift and the new count follow what is shown, not a hand-edited count.
    World w({"A", "B", "C"}, INT_MAX);
    // The Delete key asks what the menu asks; No changes nothing.
    w.prompts.Answer(PromptAnswer::No);
    w.tree.OnDeleteKey(ProviderItem("B"));
    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteProvider, ProviderItem("B"));
    ASSERT_EQ(w.prompts.shown().size(), 2u);
    for (const ScriptedPrompts::Shown& shown : w.prompts.shown()) {
        EXPECT_EQ(shown.text + shown.title, "Delete provider 'B' ?Delete provider...");
        EXPECT_EQ(shown.icon, PromptIcon::Question);
        EXPECT_EQ(shown.buttons, PromptButtons::YesNo);
    }
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "_Provider List_|Provider #2='C'",
                       "_Provider List_|Provider #3='<none>'", "_Provider List_|nCount=2", "END"}));
    EXPECT_EQ(w.view.log, Strings{"delete"});
    EXPECT_EQ(w.host.sent, std::vector{kReloadAutoconnect});

    // A description no stored number carries: only its item goes.
    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteProvider, ProviderItem("Ghost"));
    EXPECT_EQ(w.store.writes.size(), 5u);
    EXPECT_EQ(w.view.log, (Strings{"delete", "delete"}));
    EXPECT_EQ(w.host.sent.size(), 1u);
}

}  // namespace
}  // namespace varnolt::test
