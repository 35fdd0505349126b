#include <gtest/gtest.h>

#include "MemorySettingsStore.h"
#include "ScriptedPrompts.h"
#include "options/OptionsPageLogic.h"
#include "options/StorageLocation.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "All entries";

// The page's controls as plain values.
struct Shown {
    bool sound = false;
    bool pathEnabled = true;
    std::string path;
    bool close = false;
    bool fileLogging = false;

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

    Shown shown;
};

class OptionsPage : public ::testing::Test {
protected:
    std::string Sound() const { return m_store.ReadString(kSection, "Sound", "(missing)"); }

    test::MemorySettingsStore m_store;
    test::ScriptedPrompts m_prompts;
    FakeOptionsView m_view;
    OptionsPageLogic m_page{m_store, m_prompts, m_view};
};

TEST_F(OptionsPage, SetUpShowsTheStoredSwitchesOrTheirDefaults) {
    struct Case {
        const char* sound;       // nullptr: not stored
        int fileLogging, close;  // -1: not stored
        Shown shown;
    } cases[] = {
        {nullptr, -1, -1, {false, false, "", false, true}},
        {"/home/u/ring.wav", 0, 1, {true, true, "/home/u/ring.wav", true, false}},
        {"<no>", 1, 0, {false, false, "", false, true}},
        // Only the exact "<no>" is silence; the switches are on only at exactly 1.
        {"", 2, 2, {true, true, "", false, false}},
        {"<NO>", -5, 1, {true, true, "<NO>", true, false}},
    };
    for (const Case& c : cases) {
        test::MemorySettingsStore store;
        if (c.sound != nullptr) {
            store.WriteString(kSection, "Sound", c.sound);
        }
        if (c.fileLogging != -1) {
            store.WriteInt(kSection, "Filelogging", c.fileLogging);
        }
        if (c.close != -1) {
            store.WriteInt(kSection, "Close after disconnect", c.close);
        }
        const int writes = store.WriteCount();
        FakeOptionsView view;
        view.shown.path = "stale";
        OptionsPageLogic(store, m_prompts, view).SetUp();
        EXPECT_EQ(view.shown, c.shown) << (c.sound ? c.sound : "(none)");
        EXPECT_EQ(store.WriteCount(), writes);
    }
}

TEST_F(OptionsPage, TheSoundBoxAndTheBrowserStoreThePathAtOnce) {
    m_page.SetUp();
    // Checked with an empty path box: an empty path, which is not "<no>".
    m_page.OnSoundClicked(true);
    EXPECT_TRUE(m_view.shown.pathEnabled);
    EXPECT_EQ(Sound(), "");

    m_prompts.ChooseFile("/home/u/Sounds/RING.WAV");
    m_page.OnBrowseSound();
    ASSERT_EQ(m_prompts.choosers().size(), 1u);
    EXPECT_EQ(m_prompts.choosers()[0],
              (OpenFileRequest{"Select sound file ...",
                               {{"Wave files (*.WAV)", "*.WAV"}, {"All files", "*"}},
                               "*.WAV",
                               ""}));
    EXPECT_EQ(m_view.shown.path, "/home/u/Sounds/RING.WAV");
    EXPECT_EQ(Sound(), "/home/u/Sounds/RING.WAV");

    // A cancelled chooser changes nothing.
    m_prompts.ChooseFile(std::nullopt);
    m_page.OnBrowseSound();
    EXPECT_EQ(m_view.shown.path, "/home/u/Sounds/RING.WAV");
    EXPECT_EQ(Sound(), "/home/u/Sounds/RING.WAV");

    // Cleared: silence stored, the path kept in the disabled box...
    m_page.OnSoundClicked(false);
    EXPECT_EQ(Sound(), "<no>");
    EXPECT_FALSE(m_view.shown.pathEnabled);
    EXPECT_EQ(m_view.shown.path, "/home/u/Sounds/RING.WAV");
    // ...and stored again, as the box then holds it, when checked again.
    m_view.shown.path = "/tmp/typed.wav";
    m_page.OnSoundClicked(true);
    EXPECT_EQ(Sound(), "/tmp/typed.wav");
    EXPECT_TRUE(m_prompts.AllAnswersUsed());
}

TEST_F(OptionsPage, TheGeneralSwitchesStoreOneOrZero) {
    m_page.OnCloseAfterDisconnectClicked(true);
    m_page.OnFileLoggingClicked(false);
    EXPECT_EQ(m_store.ReadInt(kSection, "Close after disconnect", -1), 1);
    EXPECT_EQ(m_store.ReadInt(kSection, "Filelogging", -1), 0);
    m_page.OnCloseAfterDisconnectClicked(false);
    m_page.OnFileLoggingClicked(true);
    EXPECT_EQ(m_store.ReadInt(kSection, "Close after disconnect", -1), 0);
    EXPECT_EQ(m_store.ReadInt(kSection, "Filelogging", -1), 1);
}

TEST(StorageLocationText, NamesThePathAndWhatKeepsDataFromIt) {
    struct Case {
        StorageLocation location;
        const char* text;
    } cases[] = {
        {{"/home/u/.config/Kessendral/varnolt.db", true, false},
         "/home/u/.config/Kessendral/varnolt.db"},
        {{"/media/ro/varnolt.db", true, true},
         "/media/ro/varnolt.db (read-only: changes are not kept)"},
        {{"/home/u/.config/Kessendral/phonebook.db", false, false},
         "in memory for this run only (/home/u/.config/Kessendral/phonebook.db could not be used)"},
        {{"", false, false}, "in memory for this run only (no home folder is known)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StorageLocationText(c.location), c.text);
    }
}

}  // namespace
}  // namespace varnolt
