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
constexpr const char* kSection = "_Autoconnect";

// The phonebook has "Office" and "Home"; the providers given are stored in
// this order, "nCount" as given.
struct World {
    explicit World(const Strings& providers = {"City Net"}, int count = 1) {
        dialer.AddEntry("Office", "jane", "secret", true);
        dialer.AddEntry("Home");
        store.memory.WriteInt("_Provider List_", "nCount", count);
        for (std::size_t i = 0; i < providers.size(); ++i) {
            store.memory.WriteString("_Provider List_", "Provider #" + std::to_string(i + 1),
                                     providers[i]);
        }
    }
    // The stored choice; nullptr leaves a key out.
    void Choose(int on, const char* type, const char* entry) {
        store.memory.WriteInt(kSection, "Autoconnect", on);
        if (type != nullptr) {
            store.memory.WriteString(kSection, "Type", type);
        }
        if (entry != nullptr) {
            store.memory.WriteString(kSection, "Entry", entry);
        }
    }
    std::string Message() const {
        return prompts.shown().empty()
                   ? ""
                   : prompts.shown().back().text + " | " + prompts.shown().back().title;
    }

    RecordingSettingsStore store;
    ScriptedDialer dialer;
    ScriptedPrompts prompts;
};

// The group's controls as plain values; a list selects the item equal to
// what it is asked for, exactly.
class FakeGroup final : public AutoconnectGroupView {
public:
    struct List {
        Strings items;
        std::string selected;
        bool enabled = true;
    };

    void FillList(Choice list, const Strings& items, const std::string& select) override {
        List& l = lists[Index(list)];
        l.items = items;
        l.selected = std::find(items.begin(), items.end(), select) != items.end() ? select : "";
    }
    std::string SelectedItem(Choice list) const override { return lists[Index(list)].selected; }
    void EnableList(Choice list, bool enable) override { lists[Index(list)].enabled = enable; }
    void SetAutoconnectChecked(bool checked) override { autoconnect = checked; }
    bool AutoconnectChecked() const override { return autoconnect; }
    void CheckRadio(Choice choice) override { provider = choice == Choice::Provider; }
    bool RadioChecked(Choice choice) const override {
        return provider == (choice == Choice::Provider);
    }
    void EnableRadios(bool enable) override { radios = enable; }

    // "[x] radios (Provider) lists:PR": the box, the radio buttons usable,
    // the one checked, the lists usable.
    std::string Shown() const {
        return std::string(autoconnect ? "[x]" : "[ ]") + (radios ? " radios" : "") +
               (provider ? " (Provider)" : " (Phonebook)") +
               " lists:" + (lists[0].enabled ? "P" : "") + (lists[1].enabled ? "R" : "");
    }

    List lists[2];
    bool autoconnect = true, provider = true, radios = true;

private:
    static std::size_t Index(Choice list) { return list == Choice::Phonebook ? 0 : 1; }
};

// The group on a world, clicked as a user clicks: the control changes first.
struct Group {
    explicit Group(const Strings& providers = {"City Net"}, int count = 1) : w(providers, count) {}

    void ClickAutoconnect(bool checked) {
        view.autoconnect = checked;
        logic.OnAutoconnectClicked(checked);
    }
    void ClickRadio(Choice choice) {
        view.CheckRadio(choice);
        logic.OnRadioClicked(choice);
    }

    World w;
    FakeGroup view;
    AutoconnectGroupLogic logic{w.store, w.dialer, w.prompts, view};
};

TEST(AutoconnectGroup, SetUpShowsTheStoredChoiceAndSelectsItsEntryInBothLists) {
    struct Case {
        int on;  // -99: nothing stored
        const char* type;
        const char* shown;
    } cases[] = {
        {-99, nullptr, "[ ] (Phonebook) lists:"},
        {1, nullptr, "[x] radios (Phonebook) lists:P"},
        {1, "Provider", "[x] radios (Provider) lists:R"},
        // Only the exact "Phonebook" is the phonebook choice here, though
        // start-up dials an entry for anything but the exact "Provider".
        {1, "provider", "[x] radios (Provider) lists:R"},
        {-1, "Phonebook", "[x] radios (Phonebook) lists:P"},
        {0, "Provider", "[ ] (Phonebook) lists:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.on) + " " + (c.type ? c.type : "(no type)"));
        Group g({"City Net", "Office"}, 2);
        World& w = g.w;
        const FakeGroup& view = g.view;
        if (c.on != -99) {
            w.Choose(c.on, c.type, "Office");
        }
        g.logic.SetUp();
        EXPECT_EQ(view.Shown(), c.shown);
        EXPECT_EQ(view.lists[0].items, (Strings{"Office", "Home"}));
        EXPECT_EQ(view.lists[1].items, (Strings{"City Net", "Office"}));
        // One "Entry" for both lists, whatever the type.
        const char* selected = c.on == -99 ? "" : "Office";
        EXPECT_EQ(view.lists[0].selected, selected);
        EXPECT_EQ(view.lists[1].selected, selected);
        EXPECT_TRUE(w.store.writes.empty());
    }
}

TEST(AutoconnectGroup, ClicksChangeOnlyTheControlsAndARefillReselectsWhatIsStored) {
    Group g({"City Net", "Sky", "Lost"}, 5);  // a count beyond what is stored
    g.w.Choose(1, "Provider", "Sky");
    g.logic.SetUp();
    Strings shown;
    g.ClickAutoconnect(false);
    shown.push_back(g.view.Shown());
    g.ClickAutoconnect(true);
    shown.push_back(g.view.Shown());
    g.ClickRadio(Choice::Phonebook);
    shown.push_back(g.view.Shown());
    g.ClickAutoconnect(false);
    g.ClickAutoconnect(true);
    shown.push_back(g.view.Shown());
    g.ClickRadio(Choice::Provider);
    shown.push_back(g.view.Shown());
    EXPECT_EQ(shown, (Strings{"[ ] (Provider) lists:", "[x] radios (Provider) lists:R",
                              "[x] radios (Phonebook) lists:P", "[x] radios (Phonebook) lists:P",
                              "[x] radios (Provider) lists:R"}));

    // A provider added meanwhile is listed; the unsaved selection gives way
    // to the stored one.
    g.view.lists[1].selected = "City Net";
    g.w.store.memory.WriteString("_Provider List_", "Provider #4", "New");
    g.logic.Refill();
    EXPECT_EQ(g.view.lists[1].items, (Strings{"City Net", "Sky", "Lost", "New"}));
    EXPECT_EQ(g.view.lists[1].selected, "Sky");
    EXPECT_EQ(g.view.Shown(), "[x] radios (Provider) lists:R");  // the controls stay as they are
    // Clearing the box without "&Save" keeps autoconnect for the next start.
    EXPECT_TRUE(g.w.store.writes.empty());
}

TEST(AutoconnectGroup, SaveWritesTheChoiceInOneTransactionOrSaysWhatIsMissing) {
    const std::string noEntry = std::string(AutoconnectGroupLogic::kNoEntryText) + " | Error..";
    const std::string noProvider = "You'll have to select a valid providerentry first  | Error...";
    struct Case {
        bool on, provider;
        const char* entry;  // selected in the chosen list
        Strings writes;
        std::string message;
    } cases[] = {
        {false, true, "", {"_Autoconnect|Autoconnect=0"}, ""},
        {true,
         false,
         "Home",
         {"BEGIN", "_Autoconnect|Autoconnect=1", "_Autoconnect|Type='Phonebook'",
          "_Autoconnect|Entry='Home'", "END"},
         ""},
        {true,
         true,
         "City Net",
         {"BEGIN", "_Autoconnect|Autoconnect=1", "_Autoconnect|Type='Provider'",
          "_Autoconnect|Entry='City Net'", "END"},
         ""},
        {true, false, "", {}, noEntry},
        {true, true, "", {}, noProvider},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.provider ? "provider " : "entry ") + c.entry);
        Group g;
        g.logic.SetUp();
        g.ClickAutoconnect(c.on);
        g.ClickRadio(c.provider ? Choice::Provider : Choice::Phonebook);
        g.view.lists[0].selected = "Office";  // the other list's selection never counts
        g.view.lists[1].selected = "City Net";
        g.view.lists[c.provider ? 1 : 0].selected = c.entry;
        g.logic.OnSave();
        EXPECT_EQ(g.w.store.writes, c.writes);
        EXPECT_EQ(g.w.Message(), c.message);
    }
    // An empty provider list has nothing to select.
    Group g({}, 0);
    g.logic.SetUp();
    g.ClickAutoconnect(true);
    g.ClickRadio(Choice::Provider);
    g.logic.OnSave();
    EXPECT_EQ(g.w.Message(), noProvider);
    EXPECT_EQ(g.w.prompts.shown().at(0).icon, PromptIcon::Stop);
    EXPECT_TRUE(g.w.store.writes.empty());
}

TEST(AutoconnectStartup, SelectsAndDialsTheStoredChoiceOnceOrSaysItIsMissing) {
    const std::string noEntry = std::string(AutoconnectStartup::kNoEntryText) + " | Error..";
    const std::string noProvider =
        "The providerentry you selected for autoconnecting doesn't exist ! | Error..";
    struct Case {
        int on;  // -99: nothing stored
        const char* type;
        const char* entry;
        int providers;
        Strings done;
        std::string message;
    } cases[] = {
        {-99, nullptr, nullptr, 1, {}, ""},
        {0, "Phonebook", "Office", 1, {}, ""},
        {1, nullptr, "Office", 1, {"select Phonebook/Office", "dial Office"}, ""},
        {1, "Phonebook", "Home", 1, {"select Phonebook/Home", "dial Home"}, ""},
        {1, "Provider", "City Net", 1, {"select Provider/City Net", "dial City Net"}, ""},
        // Deliberately: a hand-written "provider" names a phonebook entry, and
        // the node's case must match.
        {1, "provider", "City Net", 1, {}, noEntry},
        {1, "Phonebook", "office", 1, {}, noEntry},
        {1, "Provider", "Old Net", 1, {}, noProvider},  // renamed since it was chosen
        {1, "Provider", "City Net", 0, {}, ""},         // no providers: nothing to say
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.on) + " " + (c.type ? c.type : "-") + " " +
                     (c.entry ? c.entry : "-"));
        World w({"City Net"}, c.providers);
        if (c.on != -99) {
            w.Choose(c.on, c.type, c.entry);
        }
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
        startup.Run();  // once per program run
        EXPECT_EQ(view.log, c.done);
        EXPECT_EQ(w.Message(), c.message);
        EXPECT_EQ(w.prompts.shown().size(), c.message.empty() ? 0u : 1u);
        EXPECT_TRUE(w.store.writes.empty());
    }
}

}  // namespace
}  // namespace varnolt::test
