#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "PhonebookTreeHarness.h"
#include "RecordingShell.h"
#include "connection/AutolaunchCommands.h"
#include "connection/Launch.h"
#include "connection/TreeCommands.h"

namespace varnolt {

void PrintTo(const AutolaunchApplication& application, std::ostream* out) {
    *out << "{" << application.path << ", " << application.description << ", "
         << application.startup << "}";
}

namespace {

using Strings = std::vector<std::string>;
const AutolaunchApplication kEmptySlot{"<none>", "<none>", 0};

TreeItemContext AutolaunchItem(const std::string& entry) {
    return {"Autolaunch", entry, "Phonebook", "Varnolt", RootChild::None};
}

TreeItemContext ApplicationItem(const std::string& entry, const std::string& description) {
    return {description, "Autolaunch", entry, "Phonebook", RootChild::None};
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

class AutolaunchCommandsTest : public ::testing::Test, protected test::PhonebookTreeHarness {
protected:
    AutolaunchCommandsTest() { commands.InstallInto(tree); }

    void Seed(const std::vector<AutolaunchApplication>& applications, int count) {
        varnolt::Seed(store.memory, "Office", applications, count);
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

    AutolaunchCommands commands{store, prompts, dialogs, view};
};

TEST_F(AutolaunchCommandsTest, InsertAppendsAfterTheLastShownApplicationInOneTransaction) {
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

        tree.OnInsertKey(AutolaunchItem(entry));

        const std::string section = entry + " Autolaunch #" + std::to_string(c.number);
        EXPECT_EQ(dialogs.autolaunchOpened, (std::vector<AutolaunchApplication>{{"", "", 0}}));
        EXPECT_EQ(store.writes,
                  (Strings{"BEGIN", entry + "|Autolaunch=" + std::to_string(c.number),
                           section + "|Path='/usr/bin/mutt'", section + "|Description='Mutt'",
                           section + "|Startup=4", "END"}));
        EXPECT_EQ(view.log, Strings{"add child: Mutt"});
    }

    // Cancel writes nothing.
    store.writes.clear();
    view.log.clear();
    tree.RunCommand(kCmdInsertApplication, AutolaunchItem("Office"));
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(AutolaunchCommandsTest, EditActsOnTheHighestNumberWithTheItemsDescription) {
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Mail", 2}}, 3);
    store.writes.clear();
    dialogs.autolaunchResults.push_back(AutolaunchApplication{"/d", "Post", 5});
    tree.OnDoubleClick(ApplicationItem("Office", "Mail"));
    EXPECT_EQ(dialogs.autolaunchOpened, (std::vector<AutolaunchApplication>{{"/c", "Mail", 2}}));
    EXPECT_EQ(store.writes, (Strings{"BEGIN", "Office Autolaunch #3|Path='/d'",
                                     "Office Autolaunch #3|Description='Post'",
                                     "Office Autolaunch #3|Startup=5", "END"}));
    // The item of application 3 shows the new description.
    EXPECT_EQ(view.log, Strings{"sibling 2: Post"});

    // Cancelled, or no application of that description: nothing changes.
    store.writes.clear();
    view.log.clear();
    tree.RunCommand(kCmdEditApplication, ApplicationItem("Office", "News"));
    tree.RunCommand(kCmdEditApplication, ApplicationItem("Office", "Gone"));
    EXPECT_EQ(dialogs.autolaunchOpened.size(), 2u);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(AutolaunchCommandsTest, DeletingTheFirstOfThreeShiftsTheOthersDownInOneTransaction) {
    // The count is hand-edited far beyond the three stored.
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Chat", 2}}, INT_MAX);
    store.writes.clear();
    prompts.Answer(PromptAnswer::Yes);
    tree.OnDeleteKey(ApplicationItem("Office", "Mail"));

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

TEST_F(AutolaunchCommandsTest, DeleteAsksFirstAndTakesTheHigherOfTwoAlike) {
    Seed({{"/a", "Mail", 0}, {"/b", "News", 1}, {"/c", "Mail", 2}}, 3);
    store.writes.clear();
    prompts.Answer(PromptAnswer::No);
    tree.RunCommand(kCmdDeleteApplication, ApplicationItem("Office", "Mail"));
    EXPECT_TRUE(store.writes.empty());

    prompts.Answer(PromptAnswer::Yes);
    tree.RunCommand(kCmdDeleteApplication, ApplicationItem("Office", "Mail"));
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

TEST(AutolaunchForm, NeedsBothPathAndDescription) {
    const std::pair<AutolaunchApplication, bool> cases[] = {
        {{"/bin/x", "X", 0}, true}, {{"", "X", 0}, false}, {{"/bin/x", "", 0}, false}};
    for (const auto& [application, accepted] : cases) {
        test::ScriptedPrompts prompts;
        EXPECT_EQ(AcceptAutolaunchApplication(application, prompts), accepted)
            << testing::PrintToString(application);
        EXPECT_EQ(prompts.shown().size(), accepted ? 0u : 1u);
    }
    test::ScriptedPrompts prompts;
    AcceptAutolaunchApplication({}, prompts);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].title, "Error...");
    EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Stop);
}

TEST(AutolaunchForm, DescriptionIsTheFileNameWithoutFolderAndLastExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/thunderbird", "thunderbird"},
        {"/opt/app/Mail.EXE", "Mail"},
        {"/tmp/backup.tar.gz", "backup.tar"},
        {"/etc.d/run", "run"},  // a dot in the folder is not an extension
        {"/home/jo/.profile", ".profile"},
        {"/home/jo/.config.sh", ".config"},
        {"notes.txt", "notes"},
        {"name.", "name"},
    };
    for (const auto& [path, description] : cases) {
        EXPECT_EQ(DescriptionFromPath(path), description) << path;
    }
}

}  // namespace
}  // namespace varnolt
