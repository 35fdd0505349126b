#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingShell.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "connection/AutolaunchCommands.h"
#include "connection/Launch.h"
#include "connection/LoginSettingsCommand.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "connection/TreeCommands.h"

namespace varnolt {

void PrintTo(const AutolaunchApplication& application, std::ostream* out) {
    *out << "{" << application.path << ", " << application.description << ", "
         << application.startup << "}";
}

namespace {

using Strings = std::vector<std::string>;
const AutolaunchApplication kEmptySlot{"<none>", "<none>", 0};

// Items under an entry: one of its own items ("Login settings", "Autolaunch"),
// or a child of one.
TreeItemContext EntryItem(const std::string& entry, const std::string& text) {
    return {text, entry, "Phonebook", "Varnolt", RootChild::None};
}
TreeItemContext ItemUnder(const std::string& entry, const std::string& parent,
                          const std::string& text) {
    return {text, parent, entry, "Phonebook", RootChild::None};
}

void Seed(SettingsStore& store, const std::string& entry,
          const std::vector<AutolaunchApplication>& applications, int count) {
    store.WriteInt(entry, "Autolaunch", count);
    for (std::size_t i = 0; i < applications.size(); ++i) {
        const std::string section = entry + " Autolaunch #" + std::to_string(i + 1);
        store.WriteString(section, "Path", applications[i].path);
        store.WriteString(section, "Description", applications[i].description);
        store.WriteInt(section, "Startup", applications[i].startup);
    }
}

TEST(ConnectionForms, EachDialogChecksItsFieldsAndSaysWhatIsMissing) {
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(AcceptLoginSettings({"jane", "", 10}, prompts));
    EXPECT_TRUE(AcceptDialCredentials({"", "", false}, prompts));
    EXPECT_TRUE(AcceptDialCredentials({"", "pw", true}, prompts));
    EXPECT_TRUE(AcceptAutolaunchApplication({"/bin/x", "X", 0}, prompts));
    EXPECT_TRUE(prompts.shown().empty());

    EXPECT_FALSE(AcceptLoginSettings({"", "pw", 10}, prompts));
    EXPECT_FALSE(AcceptDialCredentials({"jane", "", true}, prompts));
    EXPECT_FALSE(AcceptAutolaunchApplication({"", "X", 0}, prompts));
    EXPECT_FALSE(AcceptAutolaunchApplication({"/bin/x", "", 0}, prompts));
    Strings messages;
    for (const auto& shown : prompts.shown()) {
        EXPECT_EQ(shown.title, "Error...");
        EXPECT_EQ(shown.icon, PromptIcon::Stop);
        messages.push_back(shown.text);
    }
    EXPECT_EQ(messages, (Strings{"You will have to define a username first !",
                                 "An empty password can't be remembered !",
                                 "Application path or description misssing!",
                                 "Application path or description misssing!"}));
}

TEST(ConnectionForms, ARedialFieldWithoutANumberReadsAsTen) {
    const std::pair<const char*, int> cases[] = {{"25", 25}, {"3600", 3600}, {"", 10}, {"abc", 10}};
    for (const auto& [text, delay] : cases) {
        EXPECT_EQ(ReadRedialDelay(text), delay) << '"' << text << '"';
    }
}

class ConnectionCommandsTest : public ::testing::Test {
protected:
    ConnectionCommandsTest() {
        login.InstallInto(tree);
        autolaunch.InstallInto(tree);
        dialer.AddEntry("Office", "jane", "secret", true);
        store.WriteInt("Office", "Redial after", 25);
    }

    void Seed(const std::vector<AutolaunchApplication>& applications, int count) {
        varnolt::Seed(store.memory, "Office", applications, count);
        store.writes.clear();
    }
    // Slots 1 to n as stored, missing values as their defaults.
    std::vector<AutolaunchApplication> Slots(int n) const {
        std::vector<AutolaunchApplication> slots;
        for (int i = 1; i <= n; ++i) {
            const std::string section = "Office Autolaunch #" + std::to_string(i);
            slots.push_back({store.memory.ReadString(section, "Path", "<none>"),
                             store.memory.ReadString(section, "Description", "<none>"),
                             store.memory.ReadInt(section, "Startup", 0)});
        }
        return slots;
    }
    int Count() const { return store.memory.ReadInt("Office", "Autolaunch", -99); }
    // What the service holds for an entry: user, password, whether stored.
    std::string Credentials(const std::string& entry) {
        RasDialParams params;
        bool stored = false;
        dialer.GetEntryDialParams(entry, params, stored);
        return params.userName + "/" + params.password + (stored ? " stored" : " not stored");
    }

    test::RecordingSettingsStore store;
    test::ScriptedDialer dialer;
    test::ScriptedPrompts prompts;
    test::ScriptedDialogs dialogs;
    test::RecordingTreeView view;
    test::FixedLocale locale;
    test::RecordingSheetHost host;
    PhonebookTreeLogic tree{store, dialer, locale, host, view};
    LoginSettingsCommand login{store, dialer, dialogs, view};
    AutolaunchCommands autolaunch{store, prompts, dialogs, view};
};

TEST_F(ConnectionCommandsTest, LoginSettingsAreStoredThenTheLoginItemsShowThem) {
    dialogs.loginResults.push_back(LoginSettings{"joe", "", 40});
    tree.RunCommand(kCmdEditLoginSettings, EntryItem("Office", "Login settings"));
    EXPECT_EQ(dialogs.loginOpened, (std::vector<LoginSettings>{{"jane", "secret", 25}}));
    EXPECT_EQ(store.ReadInt("Office", "Redial after", 0), 40);
    // An empty password is stored all the same, yet shown as none.
    EXPECT_EQ(Credentials("Office"), "joe/ stored");
    EXPECT_EQ(view.log, (Strings{"child 0: User: joe", "child 1: Password: <no password defined>",
                                 "child 2: Redial after 40 secs"}));

    // From a child of the login item the siblings change; Cancel changes nothing.
    view.log.clear();
    dialogs.loginResults.push_back(LoginSettings{"joe", "pw", 3600});
    tree.OnDoubleClick(ItemUnder("Office", "Login settings", "User: joe"));
    EXPECT_EQ(view.log, (Strings{"sibling 0: User: joe", "sibling 1: Password: *****",
                                 "sibling 2: Redial after 3600 secs"}));
    store.writes.clear();
    view.log.clear();
    tree.OnDoubleClick(ItemUnder("Office", "Login settings", "User: joe"));
    EXPECT_EQ(Credentials("Office"), "joe/pw stored");
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(ConnectionCommandsTest, TheLoginItemsShowWhatTheServiceKeptNotWhatWasTyped) {
    // Renamed while the dialog is open: the service keeps nothing under the old name.
    dialogs.whileOpen = [this] { dialer.RenameEntry("Office", "Work"); };
    dialogs.loginResults.push_back(LoginSettings{"joe", "pw", 40});
    tree.RunCommand(kCmdEditLoginSettings, EntryItem("Office", "Login settings"));
    EXPECT_EQ(Credentials("Work"), "jane/secret stored");
    EXPECT_EQ(view.log, (Strings{"child 0: User: ", "child 1: Password: <no password defined>",
                                 "child 2: Redial after 40 secs"}));
}

TEST_F(ConnectionCommandsTest, AnEntryNamedLikeAProgramSectionKeepsItsValuesInItsOwn) {
    const std::string name = "All entries", own = "__Entry \"All entries\"";
    dialer.AddEntry(name);
    store.writes.clear();
    dialogs.loginResults.push_back(LoginSettings{"joe", "", 40});
    tree.RunCommand(kCmdEditLoginSettings, EntryItem(name, "Login settings"));
    dialogs.autolaunchResults.push_back(AutolaunchApplication{"/usr/bin/mutt", "Mutt", 4});
    tree.OnInsertKey(EntryItem(name, "Autolaunch"));
    tree.RunCommand(kCmdScaleFern, ItemUnder(name, "Call-fee indicator", "Scale: x"));
    const std::string app = own + " Autolaunch #1";
    EXPECT_EQ(store.writes,
              (Strings{own + "|Redial after=40", "BEGIN", own + "|Autolaunch=1",
                       app + "|Path='/usr/bin/mutt'", app + "|Description='Mutt'",
                       app + "|Startup=4", "END", own + "|Scale='Deutsche Telekom Fern'"}));
    // The tree reads them back from there.
    EXPECT_EQ(
        test::RecordingTreeView::Outline(
            PhonebookTreeBuilder(dialer, store, locale).Build().children.at(1).children.at(1)),
        "All entries\n Login settings\n  User: joe\n  Password: <no password defined>\n"
        "  Redial after 40 secs\n Autolaunch\n  Mutt\n Call-fee indicator\n"
        "  Scale: Deutsche Telekom Fern\n  Costs: 0 EUR\n  Last connect: <unknown>\n");
}

TEST_F(ConnectionCommandsTest, InsertAppendsAfterTheLastShownApplicationInOneTransaction) {
    const struct {
        int count;
        int stored;
        int number;  // where the new application lands
    } cases[] = {{2, 2, 3}, {INT_MAX, 2, 3}, {-4, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", stored " << c.stored);
        const std::string entry = "Entry " + std::to_string(c.count);
        varnolt::Seed(store.memory, entry, std::vector(c.stored, AutolaunchApplication{}), c.count);
        store.writes.clear();
        view.log.clear();
        dialogs.autolaunchOpened.clear();
        dialogs.autolaunchResults.push_back(AutolaunchApplication{"/usr/bin/mutt", "Mutt", 4});

        tree.OnInsertKey(EntryItem(entry, "Autolaunch"));

        const std::string section = entry + " Autolaunch #" + std::to_string(c.number);
        EXPECT_EQ(dialogs.autolaunchOpened, (std::vector<AutolaunchApplication>{{"", "", 0}}));
        EXPECT_EQ(store.writes,
                  (Strings{"BEGIN", entry + "|Autolaunch=" + std::to_string(c.number),
                           section + "|Path='/usr/bin/mutt'", section + "|Description='Mutt'",
                           section + "|Startup=4", "END"}));
        EXPECT_EQ(view.log, (Strings{"add child: Mutt\n",
                                     "reveal Varnolt/Phonebook/" + entry + "/Autolaunch/Mutt"}));
    }

    // Cancel writes nothing.
    store.writes.clear();
    view.log.clear();
    tree.RunCommand(kCmdInsertApplication, EntryItem("Office", "Autolaunch"));
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(ConnectionCommandsTest, EditActsOnTheHighestNumberWithTheItemsDescription) {
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Mail", 2}}, 3);
    dialogs.autolaunchResults.push_back(AutolaunchApplication{"/d", "Post", 5});
    tree.OnDoubleClick(ItemUnder("Office", "Autolaunch", "Mail"));
    EXPECT_EQ(dialogs.autolaunchOpened, (std::vector<AutolaunchApplication>{{"/c", "Mail", 2}}));
    EXPECT_EQ(store.writes, (Strings{"BEGIN", "Office Autolaunch #3|Path='/d'",
                                     "Office Autolaunch #3|Description='Post'",
                                     "Office Autolaunch #3|Startup=5", "END"}));
    // The item of application 3 shows the new description.
    EXPECT_EQ(view.log, Strings{"sibling 2: Post"});

    // Cancelled, or no application of that description: nothing changes.
    store.writes.clear();
    view.log.clear();
    tree.RunCommand(kCmdEditApplication, ItemUnder("Office", "Autolaunch", "News"));
    tree.RunCommand(kCmdEditApplication, ItemUnder("Office", "Autolaunch", "Gone"));
    EXPECT_EQ(dialogs.autolaunchOpened.size(), 2u);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(ConnectionCommandsTest, DeletingTheFirstOfThreeShiftsTheOthersDownInOneTransaction) {
    // The count is hand-edited far beyond the three stored.
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Chat", 2}}, INT_MAX);
    prompts.Answer(PromptAnswer::Yes);
    tree.OnDeleteKey(ItemUnder("Office", "Autolaunch", "Mail"));

    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "Delete application 'Mail' from autolaunch-group ?");
    EXPECT_EQ(Slots(3), (std::vector<AutolaunchApplication>{
                            {"/b", "News", 1}, {"/c", "Chat", 2}, kEmptySlot}));
    EXPECT_EQ(Count(), 2);
    // Three slots and the count, all in one transaction.
    EXPECT_EQ(store.writes.size(), 3u * 3 + 1 + 2);
    EXPECT_EQ(store.writes.front(), "BEGIN");
    EXPECT_EQ(store.writes.back(), "END");
    EXPECT_EQ(view.log, Strings{"delete sibling 0"});
}

TEST_F(ConnectionCommandsTest, AHugeCountCostsWhatIsStoredAndRowsFollowTheStoredOnes) {
    const Strings all{"Mail", "News", "Chat"};
    const int numbers[] = {1, 2, INT_MAX};  // 3 to INT_MAX - 1: a gap
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        for (const int number : {1, 2, 3, INT_MAX}) {
            store.memory.RemoveSection("Office Autolaunch #" + std::to_string(number));
        }
        store.memory.WriteInt("Office", "Autolaunch", INT_MAX);
        for (int i = 0; i < 3; ++i) {
            const std::string section = "Office Autolaunch #" + std::to_string(numbers[i]);
            store.memory.WriteString(section, "Path", "/" + all[i]);
            store.memory.WriteString(section, "Description", all[i]);
        }
        store.reads = 0;
        store.readLimit = 2000;  // a read per number up to the count throws
        view.log.clear();
        prompts.Answer(PromptAnswer::Yes);
        tree.OnDeleteKey(ItemUnder("Office", "Autolaunch", all[static_cast<std::size_t>(row)]));
        EXPECT_EQ(view.log, Strings{"delete sibling " + std::to_string(row)});

        // The rest close up as 1 and 2.
        Strings left;
        for (const AutolaunchApplication& application : Slots(2)) {
            left.push_back(application.description);
        }
        Strings expected = all;
        expected.erase(expected.begin() + row);
        EXPECT_EQ(left, expected);
        EXPECT_EQ(Count(), 2);
    }
}

TEST_F(ConnectionCommandsTest, DeleteAsksFirstAndTakesTheHigherOfTwoAlike) {
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Mail", 2}}, 3);
    prompts.Answer(PromptAnswer::No);
    tree.RunCommand(kCmdDeleteApplication, ItemUnder("Office", "Autolaunch", "Mail"));
    EXPECT_TRUE(store.writes.empty());

    prompts.Answer(PromptAnswer::Yes);
    tree.RunCommand(kCmdDeleteApplication, ItemUnder("Office", "Autolaunch", "Mail"));
    EXPECT_EQ(Slots(3), (std::vector<AutolaunchApplication>{
                            {"/a", "Mail", 0}, {"/b", "News", 1}, kEmptySlot}));
    EXPECT_EQ(view.log, Strings{"delete sibling 2"});
}

TEST(Launch, StartsEachUsableApplicationInNumberOrderWithItsModesVerbAndWindow) {
    test::MemorySettingsStore store;
    Seed(store, "Office",
         {{"/a", "A", 0},
          {"<none>", "No path", 0},
          {"/b", "B", 1},
          {"", "Empty path", 2},
          {"/c", "C", 2},
          {"/d", "D", 3},
          {"/bad", "Mode 6", 6},
          {"/e", "E", 4},
          {"/neg", "Mode -1", -1},
          {"/f", "F", 5}},
         1000000);
    test::RecordingShell shell;
    Launch(store, shell, "Office");
    Launch(store, shell, "Home");  // no applications at all
    using Call = test::RecordingShell::Call;
    EXPECT_EQ(shell.calls, (std::vector<Call>{{"/a", ShellVerb::Open, ShowWindow::Normal},
                                              {"/b", ShellVerb::Explore, ShowWindow::Normal},
                                              {"/c", ShellVerb::Open, ShowWindow::Maximized},
                                              {"/d", ShellVerb::Explore, ShowWindow::Maximized},
                                              {"/e", ShellVerb::Open, ShowWindow::Minimized},
                                              {"/f", ShellVerb::Explore, ShowWindow::Minimized}}));
}

TEST(AutolaunchForm, DescriptionIsTheFileNameWithoutFolderAndLastExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/thunderbird", "thunderbird"},
        {"/tmp/backup.tar.gz", "backup.tar"},
        {"/etc.d/run", "run"},  // a dot in the folder is not an extension
        {"/home/jo/.profile", ".profile"},
        {"/home/jo/.config.sh", ".config"},
        {"notes.txt", "notes"}};
    for (const auto& [path, description] : cases) {
        EXPECT_EQ(DescriptionFromPath(path), description) << path;
    }
}

}  // namespace
}  // namespace varnolt
