#include <gtest/gtest.h>

#include "PhonebookTreeHarness.h"
#include "connection/LoginSettingsCommand.h"
#include "connection/TreeCommands.h"

namespace varnolt {
namespace {

using Strings = std::vector<std::string>;

TreeItemContext LoginItem(const std::string& entry) {
    return {"Login settings", entry, "Phonebook", "Varnolt", RootChild::None};
}

TreeItemContext LoginChild(const std::string& entry, const std::string& text) {
    return {text, "Login settings", entry, "Phonebook", RootChild::None};
}

void ExpectOneStopBox(const test::ScriptedPrompts& prompts, const std::string& text) {
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, text);
    EXPECT_EQ(prompts.shown()[0].title, "Error...");
    EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Stop);
    EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::Ok);
}

TEST(LoginForms, LoginSettingsNeedAUserName) {
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(AcceptLoginSettings({"jane", "", 10}, prompts));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_FALSE(AcceptLoginSettings({"", "secret", 10}, prompts));
    ExpectOneStopBox(prompts, "You will have to define a username first !");
}

TEST(LoginForms, TheDialDialogTakesAnEmptyUserButRemembersNoEmptyPassword) {
    const struct {
        DialCredentials credentials;
        bool accepted;
    } cases[] = {
        {{"", "", false}, true},
        {{"", "secret", true}, true},
        {{"jane", "", false}, true},
        {{"jane", "", true}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credentials.userName + "/" + c.credentials.password +
                     (c.credentials.rememberPassword ? " remembered" : ""));
        test::ScriptedPrompts prompts;
        EXPECT_EQ(AcceptDialCredentials(c.credentials, prompts), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(prompts.shown().empty());
        } else {
            ExpectOneStopBox(prompts, "An empty password can't be remembered !");
        }
    }
}

TEST(LoginForms, ARedialFieldWithoutANumberReadsAsTen) {
    const std::pair<const char*, int> cases[] = {{"25", 25}, {"3600", 3600}, {"1", 1},
                                                 {"", 10},   {"abc", 10},    {" 7", 7}};
    for (const auto& [text, delay] : cases) {
        EXPECT_EQ(ReadRedialDelay(text), delay) << '"' << text << '"';
    }
}

class LoginSettingsCommandTest : public ::testing::Test, protected test::PhonebookTreeHarness {
protected:
    LoginSettingsCommandTest() {
        command.InstallInto(tree);
        dialer.AddEntry("Office", "jane", "secret", true);
        store.WriteInt("Office", "Redial after", 25);
    }

    // What the service now holds for an entry: user, password, whether stored.
    std::string Credentials(const std::string& entry) {
        RasDialParams params;
        bool stored = false;
        dialer.GetEntryDialParams(entry, params, stored);
        return params.userName + "/" + params.password + (stored ? " stored" : " not stored");
    }

    LoginSettingsCommand command{store, dialer, dialogs, view};
};

TEST_F(LoginSettingsCommandTest, OkStoresAllThreeAndRewritesTheItemsUnderTheLoginItem) {
    dialogs.loginResults.push_back(LoginSettings{"joe", "", 40});
    tree.RunCommand(kCmdEditLoginSettings, LoginItem("Office"));
    EXPECT_EQ(dialogs.loginOpened, (std::vector<LoginSettings>{{"jane", "secret", 25}}));
    EXPECT_EQ(store.ReadInt("Office", "Redial after", 0), 40);
    // An empty password is stored all the same, yet shown as none.
    EXPECT_EQ(Credentials("Office"), "joe/ stored");
    EXPECT_EQ(view.log, (Strings{"child 0: User: joe", "child 1: Password: <no password defined>",
                                 "child 2: Redial after 40 secs"}));
}

TEST_F(LoginSettingsCommandTest, DoubleClickOnAChildRewritesItAndItsSiblings) {
    dialer.AddEntry("Home");  // nothing stored: the dialog opens empty, delay 10
    dialogs.loginResults.push_back(LoginSettings{"joe", "pw", 3600});
    tree.OnDoubleClick(LoginChild("Home", "Redial after 10 secs"));
    EXPECT_EQ(dialogs.loginOpened, (std::vector<LoginSettings>{{"", "", 10}}));
    EXPECT_EQ(Credentials("Home"), "joe/pw stored");
    EXPECT_EQ(view.log, (Strings{"sibling 0: User: joe", "sibling 1: Password: *****",
                                 "sibling 2: Redial after 3600 secs"}));

    // Cancel changes nothing.
    store.writes.clear();
    view.log.clear();
    tree.OnDoubleClick(LoginChild("Home", "User: joe"));
    EXPECT_EQ(Credentials("Home"), "joe/pw stored");
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(view.log.empty());
}

TEST_F(LoginSettingsCommandTest, TheItemsShowWhatTheServiceKeptNotWhatWasTyped) {
    // The entry is renamed while the dialog is open, so the service keeps
    // nothing under the old name.
    dialogs.whileOpen = [this] { dialer.RenameEntry("Office", "Work"); };
    dialogs.loginResults.push_back(LoginSettings{"joe", "pw", 40});
    tree.RunCommand(kCmdEditLoginSettings, LoginItem("Office"));
    EXPECT_EQ(Credentials("Work"), "jane/secret stored");
    EXPECT_EQ(view.log, (Strings{"child 0: User: ", "child 1: Password: <no password defined>",
                                 "child 2: Redial after 40 secs"}));
}

}  // namespace
}  // namespace varnolt
