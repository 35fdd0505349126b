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
#include "provider/ProviderCommands.h"
#include "provider/ProviderList.h"

namespace varnolt::test {
namespace {

using Strings = std::vector<std::string>;
using Visit = ProviderDialogUser::Visit;

const TreeItemContext kProviderItem{"Provider", "Varnolt", std::nullopt, std::nullopt,
                                    RootChild::Provider};
TreeItemContext ProviderAt(const std::string& description) {
    return {description, "Provider", "Varnolt", std::nullopt, RootChild::None};
}

// The Phonebook tree's provider commands with the Provider dialog played on
// its logic; the phonebook has E1, E2 and E3.
struct World {
    World() {
        for (const char* entry : {"E1", "E2", "E3"}) {
            dialer.AddEntry(entry);
        }
        commands.InstallInto(tree);
    }

    // Providers 1 to n as stored, each with one entry, and the count.
    void Seed(const Strings& descriptions, int count) {
        MemorySettingsStore& memory = store.memory;
        memory.WriteInt("_Provider List_", "nCount", count);
        for (std::size_t i = 0; i < descriptions.size(); ++i) {
            memory.WriteString("_Provider List_", "Provider #" + std::to_string(i + 1),
                               descriptions[i]);
            memory.WriteInt("Provider " + descriptions[i], "How much entries", 1);
            memory.WriteString("Provider " + descriptions[i], "Phonebook #1", "E1");
        }
    }
    Strings Descriptions() const { return ProviderList(store.memory).Descriptions(); }
    int Count() const { return store.memory.ReadInt("_Provider List_", "nCount", -99); }
    void Clear() {
        store.writes.clear();
        view.log.clear();
        host.sent.clear();
    }

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

const RecordingSheetHost::Sent kReloadAutoconnect{WM_RELOAD_AUTOCONNECT, 0};

TEST(ProviderCommands, ANewProviderKeepsItsEntriesInTheOrderMovedInOneTransaction) {
    World w;
    w.dialogs.visits.push_back({{"E2", "E1"}, {}, "A"});
    w.tree.OnInsertKey(kProviderItem);

    EXPECT_EQ(w.dialogs.opened, (std::vector<std::pair<std::string, int>>{{"", 0}}));
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "_Provider List_|nCount=1", "Provider A|How much entries=2",
                       "Provider A|Phonebook #1='E2'", "Provider A|Phonebook #2='E1'",
                       "_Provider List_|Provider #1='A'", "END"}));
    EXPECT_EQ(w.view.log, (Strings{"add child: A (E2, E1)", "expand"}));
    EXPECT_EQ(w.host.sent, (std::vector{kReloadAutoconnect}));

    // Reopened, the dialog offers only the entries the provider lacks.
    w.Clear();
    w.dialogs.visits.push_back({{}, {}, std::nullopt});
    w.tree.RunCommand(kCmdEditProvider, ProviderAt("A"));
    EXPECT_EQ(w.dialogs.opened.back(), (std::pair<std::string, int>{"A", 1}));
    EXPECT_EQ(w.dialogs.lists, (std::array<Strings, 2>{Strings{"E3"}, Strings{"E2", "E1"}}));
    EXPECT_TRUE(w.store.writes.empty());
    EXPECT_TRUE(w.view.log.empty());
}

TEST(ProviderCommands, TheDialogShowsWhatIsStoredAndMissingEntriesAsNone) {
    World w;
    // A hand-edited count far above what is there, a gap, and an entry twice.
    w.store.memory.WriteInt("Provider A", "How much entries", INT_MAX);
    w.store.memory.WriteString("Provider A", "Phonebook #1", "E2");
    w.store.memory.WriteString("Provider A", "Phonebook #3", "E2");
    w.store.memory.WriteString("Provider A", "Phonebook #4", "Gone");
    std::string description = "A";
    w.dialogs.EditProvider(description, 1);
    EXPECT_EQ(w.dialogs.lists,
              (std::array<Strings, 2>{Strings{"E1", "E3"}, Strings{"E2", "<none>", "E2", "Gone"}}));
}

TEST(ProviderCommands, ADescriptionMustDifferExactlyFromEveryOtherProvidersOne) {
    struct Case {
        const char* node;  // the provider item edited; nullptr: New provider
        const char* typed;
        bool refused;
        Strings after;  // the descriptions stored afterwards
    };
    const Case cases[] = {
        {"A", "A", false, {"A", "B"}},
        {"A", "B", true, {"A", "B"}},
        {"A", "b", false, {"b", "B"}},
        {nullptr, "B", true, {"A", "B"}},
        {nullptr, "a", false, {"A", "B", "a"}},
        // The store changed behind the tree: OK appends, but never a duplicate.
        {"Ghost", "Ghost", false, {"A", "B", "Ghost"}},
        {"Ghost", "A", true, {"A", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.node ? c.node : "new") + " as " + c.typed);
        World w;
        w.Seed({"A", "B"}, 2);
        w.dialogs.visits.push_back({{"E2"}, {}, c.typed});
        c.node ? w.tree.RunCommand(kCmdEditProvider, ProviderAt(c.node))
               : w.tree.RunCommand(kCmdNewProvider, kProviderItem);

        EXPECT_EQ(w.Descriptions(), c.after);
        EXPECT_EQ(w.prompts.shown().size(), c.refused ? 1u : 0u);
        EXPECT_EQ(w.store.ValueWrites() == 0, c.refused);
    }
}

TEST(ProviderCommands, ARenamedProviderLeavesItsOldSectionUnread) {
    World w;
    w.Seed({"A", "B"}, 2);
    w.Clear();
    w.dialogs.visits.push_back({{"E3"}, {}, "C"});
    w.tree.RunCommand(kCmdEditProvider, ProviderAt("A"));
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "Provider C|How much entries=2", "Provider C|Phonebook #1='E1'",
                       "Provider C|Phonebook #2='E3'", "_Provider List_|Provider #1='C'", "END"}));
    EXPECT_EQ(w.store.memory.ReadString("Provider A", "Phonebook #1", "-"), "E1");
    EXPECT_EQ(w.view.log, (Strings{"replace: C (E1, E3)"}));
    // The autoconnect list names providers by description.
    EXPECT_EQ(w.host.sent, (std::vector{kReloadAutoconnect}));

    // Kept as it was, the description needs no reload.
    w.Clear();
    w.dialogs.visits.push_back({{}, {"E3"}, "C"});
    w.tree.RunCommand(kCmdEditProvider, ProviderAt("C"));
    EXPECT_EQ(w.view.log, (Strings{"replace: C (E1)"}));
    EXPECT_TRUE(w.host.sent.empty());
}

TEST(ProviderCommands, NewAppendsAfterTheLastProviderShown) {
    const struct {
        int count;
        Strings stored;
        int number;
    } cases[] = {{2, {"A", "B"}, 3}, {INT_MAX, {"A", "B"}, 3}, {-4, {"A"}, 1}, {0, {"A"}, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count);
        World w;
        w.Seed(c.stored, c.count);
        w.dialogs.visits.push_back({{"E1"}, {}, "New"});
        w.tree.RunCommand(kCmdNewProvider, kProviderItem);
        EXPECT_EQ(w.Count(), c.number);
        EXPECT_EQ(ProviderList(w.store.memory).Description(c.number, "-"), "New");
    }
}

TEST(ProviderCommands, DeleteAsksThenClosesTheGapInOneTransaction) {
    World w;
    w.Seed({"A", "B", "C"}, 3);
    w.Clear();
    // The Delete key asks what the menu asks; No changes nothing.
    w.prompts.Answer(PromptAnswer::No);
    w.tree.OnDeleteKey(ProviderAt("B"));
    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteProvider, ProviderAt("B"));
    ASSERT_EQ(w.prompts.shown().size(), 2u);
    for (const ScriptedPrompts::Shown& shown : w.prompts.shown()) {
        EXPECT_EQ(shown.text, "Delete provider 'B' ?");
        EXPECT_EQ(shown.title, "Delete provider...");
        EXPECT_EQ(shown.icon, PromptIcon::Question);
        EXPECT_EQ(shown.buttons, PromptButtons::YesNo);
    }
    EXPECT_EQ(w.store.writes,
              (Strings{"BEGIN", "_Provider List_|Provider #2='C'",
                       "_Provider List_|Provider #3='<none>'", "_Provider List_|nCount=2", "END"}));
    EXPECT_EQ(w.view.log, (Strings{"delete"}));
    EXPECT_EQ(w.host.sent, (std::vector{kReloadAutoconnect}));
}

TEST(ProviderCommands, DeleteStaysWithinWhatIsStored) {
    World w;
    // A hand-edited count: the shift and the new count follow what is shown.
    w.Seed({"A", "B"}, INT_MAX);
    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteProvider, ProviderAt("A"));
    EXPECT_EQ(w.Count(), 1);
    EXPECT_EQ(w.Descriptions(), Strings{"B"});

    // A description no stored number carries: only the item goes.
    w.Clear();
    w.prompts.Answer(PromptAnswer::Yes);
    w.tree.RunCommand(kCmdDeleteProvider, ProviderAt("Ghost"));
    EXPECT_TRUE(w.store.writes.empty());
    EXPECT_EQ(w.view.log, (Strings{"delete"}));
    EXPECT_TRUE(w.host.sent.empty());
}

}  // namespace
}  // namespace varnolt::test
