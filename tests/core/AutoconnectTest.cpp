#include <gtest/gtest.h>

#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"
#include "provider/AutoconnectGroupLogic.h"
#include "provider/AutoconnectStartup.h"

namespace varnolt::test {
namespace {

using Strings = std::vector<std::string>;
using Choice = AutoconnectGroupView::Choice;

// The phonebook lists "Office" and "Home"; "City Net" is provider number 1
// of `providers`.
struct World {
    explicit World(int providers = 1, bool entries = true) {
        if (entries) {
            dialer.AddEntry("Office", "jane", "secret", true);
            dialer.AddEntry("Home");
        }
        store.memory.WriteInt("_Provider List_", "nCount", providers);
        store.memory.WriteString("_Provider List_", "Provider #1", "City Net");
    }
    // on -99 stores nothing; a type nullptr leaves "Type" out.
    void Choose(int on, const char* type, const char* entry) {
        if (on != -99) {
            store.memory.WriteInt("_Autoconnect", "Autoconnect", on);
            store.memory.WriteString("_Autoconnect", "Entry", entry);
        }
        if (type != nullptr) {
            store.memory.WriteString("_Autoconnect", "Type", type);
        }
    }
    std::string Said() const {
        const auto& shown = prompts.shown();
        EXPECT_LE(shown.size(), 1u);
        return shown.empty() ? "" : shown[0].text + "|" + shown[0].title;
    }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    ScriptedPrompts prompts;
};

// The group's controls as plain values.
struct FakeGroup final : AutoconnectGroupView {
    void FillList(Choice l, const Strings& items, const std::string& select) override {
        lists[At(l)] = items;
        selected[At(l)] = select;  // as if found
    }
    std::string SelectedItem(Choice l) const override { return selected[At(l)]; }
    void EnableList(Choice l, bool enable) override { listOn[At(l)] = enable; }
    void SetAutoconnectChecked(bool checked) override { on = checked; }
    bool AutoconnectChecked() const override { return on; }
    void CheckRadio(Choice c) override { provider = c == Choice::Provider; }
    bool RadioChecked(Choice c) const override { return provider == (c == Choice::Provider); }
    void EnableRadios(bool enable) override { radios = enable; }
    static std::size_t At(Choice c) { return c == Choice::Provider ? 1 : 0; }

    // "[x] radios (Provider) lists:R": the box, the radio buttons usable, the
    // one checked, the lists usable (P phonebook, R provider).
    std::string Shown() const {
        return std::string(on ? "[x]" : "[ ]") + (radios ? " radios" : "") +
               (provider ? " (Provider)" : " (Phonebook)") + " lists:" + (listOn[0] ? "P" : "") +
               (listOn[1] ? "R" : "");
    }

    Strings lists[2];
    std::string selected[2];
    bool listOn[2] = {true, true};
    bool on = true, provider = true, radios = true;
};

TEST(AutoconnectGroup, SetUpShowsTheStoredChoiceWithItsEntryAskedForInBothLists) {
    struct Case {
        int on;
        const char* type;
        const char* shown;
    } cases[] = {
        {-99, nullptr, "[ ] (Phonebook) lists:"},
        {1, nullptr, "[x] radios (Phonebook) lists:P"},
        {1, "Provider", "[x] radios (Provider) lists:R"},
        // Deliberately only the exact "Phonebook" is the phonebook choice here.
        {1, "provider", "[x] radios (Provider) lists:R"},
        {-1, "Phonebook", "[x] radios (Phonebook) lists:P"},
        {0, "Provider", "[ ] (Phonebook) lists:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.on) + (c.type ? c.type : ""));
        World w;
        w.Choose(c.on, c.type, "Home");
        FakeGroup view;
        AutoconnectGroupLogic(w.store, w.dialer, w.prompts, view).SetUp();
        EXPECT_EQ(view.Shown(), c.shown);
        const std::string entry = c.on == -99 ? "<unknown>" : "Home";
        EXPECT_EQ(view.lists[0], (Strings{"Office", "Home"}));
        EXPECT_EQ(view.lists[1], (Strings{"City Net"}));
        EXPECT_EQ(view.selected[0] + "|" + view.selected[1], entry + "|" + entry);
        EXPECT_TRUE(w.store.writes.empty());
    }
}

// What WM_RELOAD_AUTOCONNECT runs after an entry or a provider was added.
TEST(AutoconnectGroup, RefillShowsAnAppendedEntryAndProviderAndKeepsTheStoredChoice) {
    World w;
    w.Choose(1, "Phonebook", "Home");
    FakeGroup view;
    AutoconnectGroupLogic group(w.store, w.dialer, w.prompts, view);
    group.SetUp();
    w.dialer.AddEntry("Garden");
    w.store.memory.WriteInt("_Provider List_", "nCount", 2);
    w.store.memory.WriteString("_Provider List_", "Provider #2", "Aether");
    view.selected[0] = view.selected[1] = "";
    group.Refill();
    EXPECT_EQ(view.lists[0], (Strings{"Office", "Home", "Garden"}));
    EXPECT_EQ(view.lists[1], (Strings{"City Net", "Aether"}));
    EXPECT_EQ(view.selected[0] + "|" + view.selected[1], "Home|Home");
}

// Clicks change only the controls, so clearing the box keeps autoconnect until
// "&Save"; Save writes the whole choice together or says what is missing.
TEST(AutoconnectGroup, ClicksOnlyShowAndSaveWritesTheChoiceInOneTransaction) {
    const auto saved = [](const char* type, const char* entry) {
        return Strings{"BEGIN", "_Autoconnect|Autoconnect=1",
                       std::string("_Autoconnect|Type='") + type + "'",
                       std::string("_Autoconnect|Entry='") + entry + "'", "END"};
    };
    struct Case {
        bool on, provider;
        const char* selected;  // in the chosen list; the other holds "Office"
        const char* shown;     // after the clicks
        Strings writes;
        std::string said;
    } cases[] = {
        {false, true, "City Net", "[ ] (Phonebook) lists:", {"_Autoconnect|Autoconnect=0"}, ""},
        {true, false, "Home", "[x] radios (Phonebook) lists:P", saved("Phonebook", "Home"), ""},
        {true, true, "City Net", "[x] radios (Provider) lists:R", saved("Provider", "City Net"),
         ""},
        {true,
         false,
         "",
         "[x] radios (Phonebook) lists:P",
         {},
         "You'll have to select a valid phonebookentry first !|Error.."},
        // As with an empty provider list.
        {true,
         true,
         "",
         "[x] radios (Provider) lists:R",
         {},
         "You'll have to select a valid providerentry first |Error..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        World w;
        w.Choose(1, "Phonebook", "Office");
        FakeGroup view;
        AutoconnectGroupLogic group(w.store, w.dialer, w.prompts, view);
        group.SetUp();
        view.on = false;
        group.OnAutoconnectClicked(false);
        const Choice choice = c.provider ? Choice::Provider : Choice::Phonebook;
        if (c.on) {
            view.on = true;
            group.OnAutoconnectClicked(true);
            view.CheckRadio(choice);
            group.OnRadioClicked(choice);
        }
        EXPECT_EQ(view.Shown(), c.shown);
        EXPECT_TRUE(w.store.writes.empty());
        view.selected[FakeGroup::At(choice)] = c.selected;
        group.OnSave();
        EXPECT_EQ(w.store.writes, c.writes);
        EXPECT_EQ(w.Said(), c.said);
    }
}

// Builds the tree from `w`, runs start-up twice (it acts once per program
// run) and returns what it selected and dialed.
Strings RunStartupTwice(World& w) {
    RecordingTreeView view;
    RecordingSheetHost host;
    FixedLocale locale;
    PhonebookTreeLogic tree(w.store, w.dialer, locale, host, view);
    for (int command : {kCmdDial, kCmdDialProvider}) {
        tree.InstallHandler(command, [&view](const TreeItemContext& selected) {
            view.log.push_back("dial " + selected.text);
        });
    }
    tree.Rebuild();
    view.log.clear();
    AutoconnectStartup startup(w.store, w.dialer, w.prompts, view, tree);
    startup.Run();
    startup.Run();
    return view.log;
}

TEST(AutoconnectStartup, SelectsAndDialsTheStoredChoiceOnceOrSaysItIsMissing) {
    const std::string noEntry =
        "The phonebookentry you selected for autoconnecting doesn't exist !|Error..";
    const std::string noProvider =
        "The providerentry you selected for autoconnecting doesn't exist !|Error..";
    struct Case {
        int on;
        const char* type;
        const char* entry;
        int providers;
        Strings done;
        std::string said;
    } cases[] = {
        {-99, nullptr, "", 1, {}, ""},
        {0, "Phonebook", "Office", 1, {}, ""},
        {1, nullptr, "Office", 1, {"select Phonebook/Office", "dial Office"}, ""},
        {1, "Phonebook", "Home", 1, {"select Phonebook/Home", "dial Home"}, ""},
        {1, "Provider", "City Net", 1, {"select Provider/City Net", "dial City Net"}, ""},
        // Deliberately: any type but the exact "Provider" names an entry, and
        // the item's case must match.
        {1, "provider", "City Net", 1, {}, noEntry},
        {1, "Phonebook", "office", 1, {}, noEntry},
        {1, "Provider", "Old Net", 1, {}, noProvider},  // renamed since it was chosen
        {1, "Provider", "City Net", 0, {}, ""},         // no providers: nothing to say
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type ? c.type : "") + " " + c.entry);
        World w(c.providers);
        w.Choose(c.on, c.type, c.entry);
        EXPECT_EQ(RunStartupTwice(w), c.done);
        EXPECT_EQ(w.Said(), c.said);
        EXPECT_TRUE(w.store.writes.empty());
    }
}

TEST(AutoconnectStartup, WithAnEmptyPhonebookDialsNothingAndSaysTheEntryIsMissing) {
    for (const char* entry : {"Office", ""}) {
        SCOPED_TRACE(entry);
        World w(1, false);
        w.Choose(1, "Phonebook", entry);
        EXPECT_EQ(RunStartupTwice(w), Strings{});
        EXPECT_EQ(w.Said(),
                  "The phonebookentry you selected for autoconnecting doesn't exist !|Error..");
        EXPECT_TRUE(w.store.writes.empty());
    }
}

}  // namespace
}  // namespace varnolt::test
