#include <gtest/gtest.h>

#include "RecordingSettingsStore.h"
#include "ScriptedPrompts.h"
#include "options/OptionsPageLogic.h"
#include "options/StorageLocation.h"

namespace varnolt {
namespace {

// The page's controls as plain values: sound box, path box enabled, path, the three switches.
struct Shown {
    bool sound = false, pathEnabled = true;
    std::string path = "stale";
    bool close = false, fileLogging = false, callWindow = false;
    bool operator==(const Shown&) const = default;
};

class FakeOptionsView final : public OptionsPageView {
public:
    void SetSoundChecked(bool checked) override { shown.sound = checked; }
    void EnableSoundPath(bool enable) override { shown.pathEnabled = enable; }
    std::string SoundPath() const override { return shown.path; }
    void SetSoundPath(const std::string& path) override { shown.path = path; }
    void SetCloseAfterDisconnectChecked(bool checked) override { shown.close = checked; }
    void SetFileLoggingChecked(bool checked) override { shown.fileLogging = checked; }
    void SetShowCallWindowChecked(bool checked) override { shown.callWindow = checked; }
    std::string LimitText(BudgetKind kind) const override { return limits[Index(kind)]; }
    void SetLimitText(BudgetKind kind, const std::string& text) override {
        limits[Index(kind)] = text;
    }
    void SetHangUpAtCallLimitChecked(bool checked) override { hangUp = checked; }
    static std::size_t Index(BudgetKind kind) { return kind == BudgetKind::Call ? 0 : 1; }
    Shown shown;
    std::string limits[2];
    bool hangUp = false;
};

TEST(OptionsPageLogic, SetUpShowsTheStoredSwitchesOrTheirDefaults) {
    struct Case {
        const char* sound;  // nullptr: an empty store
        int fileLogging, close, callWindow;
        Shown shown;
    } cases[] = {
        {nullptr, 0, 0, 0, {false, false, "", false, true, true}},
        {"/home/u/ring.wav", 0, 1, 0, {true, true, "/home/u/ring.wav", true, false, false}},
        // Only the exact "<no>" is silence; a switch is on only at exactly 1.
        {"<no>", 2, -1, 2, {false, false, "", false, false, false}},
        {"", 1, 2, 1, {true, true, "", false, true, true}},
        {"<NO>", -5, 1, -1, {true, true, "<NO>", true, false, false}},
    };
    for (const Case& c : cases) {
        test::RecordingSettingsStore store;
        if (c.sound != nullptr) {
            store.memory.WriteString("All entries", "Sound", c.sound);
            store.memory.WriteInt("All entries", "Filelogging", c.fileLogging);
            store.memory.WriteInt("All entries", "Close after disconnect", c.close);
            store.memory.WriteInt("All entries", "Show call meter window", c.callWindow);
        }
        test::ScriptedPrompts prompts;
        FakeOptionsView view;
        OptionsPageLogic(store, prompts, view).SetUp();
        EXPECT_EQ(view.shown, c.shown) << (c.sound ? c.sound : "(none)");
        EXPECT_TRUE(store.writes.empty());
    }
}

TEST(OptionsPageLogic, EveryClickAndPickIsStoredAtOnce) {
    test::RecordingSettingsStore store;
    test::ScriptedPrompts prompts;
    FakeOptionsView view;
    OptionsPageLogic page(store, prompts, view);
    page.SetUp();
    page.OnSoundClicked(true);  // with an empty path box: stores "", which is not "<no>"
    prompts.ChooseFile("/home/u/RING.WAV");
    page.OnBrowseSound();
    prompts.ChooseFile(std::nullopt);
    page.OnBrowseSound();  // cancelled: nothing changes
    page.OnSoundClicked(false);
    EXPECT_EQ(view.shown, (Shown{false, false, "/home/u/RING.WAV", false, true, true}));
    view.shown.path = "/tmp/typed.wav";
    page.OnSoundClicked(true);
    page.OnCloseAfterDisconnectClicked(true);
    page.OnFileLoggingClicked(false);
    page.OnFileLoggingClicked(true);
    page.OnShowCallWindowClicked(false);
    EXPECT_EQ(store.writes, (std::vector<std::string>{
                                "All entries|Sound=''",
                                "All entries|Sound='/home/u/RING.WAV'",
                                "All entries|Sound='<no>'",
                                "All entries|Sound='/tmp/typed.wav'",
                                "All entries|Close after disconnect=1",
                                "All entries|Filelogging=0",
                                "All entries|Filelogging=1",
                                "All entries|Show call meter window=0",
                            }));
    // Wave files in either case (the chooser's matter) or any file; no extension added.
    ASSERT_EQ(prompts.choosers().size(), 2u);
    EXPECT_EQ(prompts.choosers()[0],
              (FileRequest{"Select sound file ...",
                           {{"Wave files (*.WAV)", "*.WAV"}, {"All files", "*"}},
                           "*.WAV",
                           ""}));
}

// A budget the store cannot keep shows what is kept, and says so.
TEST(OptionsPageLogic, ABudgetThatCannotBeSavedIsShownAsStoredAndReported) {
    test::RecordingSettingsStore store;
    store.memory.WriteString("All entries", "Call limit", "5.00");
    test::ScriptedPrompts prompts;
    FakeOptionsView view;
    OptionsPageLogic page(store, prompts, view);
    page.SetUp();
    store.memory.FailWrites(true);
    view.limits[0] = "7.5";
    page.OnLimitEdited(BudgetKind::Call);
    view.hangUp = true;
    page.OnHangUpAtCallLimitClicked(true);
    EXPECT_EQ(view.limits[0], "5.00");
    EXPECT_FALSE(view.hangUp);
    ASSERT_EQ(prompts.shown().size(), 2u);
    for (const auto& box : prompts.shown()) {
        EXPECT_EQ(box.text, OptionsPageLogic::kBudgetNotSavedMessage);
    }
}

TEST(StorageLocationText, NamesThePathAndWhatKeepsDataFromIt) {
    const std::pair<StorageLocation, std::string> cases[] = {
        {{"/home/u/.config/Kessendral/varnolt.db", true, false},
         "/home/u/.config/Kessendral/varnolt.db"},
        {{"/media/ro/varnolt.db", true, true},
         "/media/ro/varnolt.db (read-only: changes are not kept)"},
        {{"/home/u/phonebook.db", false, false},
         "in memory for this run only (/home/u/phonebook.db could not be used)"},
        {{"", false, false}, "in memory for this run only (no home folder is known)"},
    };
    for (const auto& [location, text] : cases) {
        EXPECT_EQ(StorageLocationText(location), text);
    }
}

}  // namespace
}  // namespace varnolt
