#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <fstream>

#include "FixedLocale.h"
#include "RealService.h"
#include "RecordingShell.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "app/CRASSheet.h"
#include "connection/CTreePage.h"
#include "qt/QtClock.h"
#include "qt/QtSound.h"
#include "qt/QtTimers.h"
#include "sim/PhonebookDatabase.h"
#include "sim/SimulatedService.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt::test {
namespace {

// The real service, store, timers and clock: an entry that connects after
// 1 s and whose remote side hangs up 4 s later.
TEST(Dialing, ARealCallIsWatchedMeteredAndAccounted) {
    TempDir dir;
    SqliteSettingsStore store((dir.path() / "store.db").string());
    PhonebookDatabase phonebook((dir.path() / "phonebook.db").string());
    PhonebookEntry entry;
    entry.name = "Office";
    entry.connectSeconds = 1;
    entry.dropSeconds = 4;
    ASSERT_EQ(phonebook.AddEntry(entry), "");
    phonebook.StoreCredentials("Office", {"jane", "secret", true});
    NoEntryDialogs entryDialogs;
    SimulatedService service(phonebook, entryDialogs);
    QtClock clock;
    QtTimers timers;
    QtSound sound;
    RecordingShell shell;
    FixedLocale locale{"EUR"};
    ScriptedPrompts prompts;
    CRASSheet sheet(false);
    auto* page = new CTreePage(store, service, locale, prompts, sheet);
    page->InstallDialing(clock, timers, sound, shell, sheet);
    sheet.AddPage(kPagePhonebook, page);
    sheet.show();
    QApplication::processEvents();
    page->Tree()->setCurrentItem(page->Tree()->topLevelItem(0)->child(1)->child(0));
    auto* dial = page->findChild<QPushButton*>("dialButton");
    auto* cancel = page->findChild<QPushButton*>("cancelButton");
    auto* status = page->findChild<QLabel*>("statusLine");
    auto controls = [&] {
        return std::to_string(dial->isEnabled()) + std::to_string(page->Tree()->isEnabled()) +
               std::to_string(cancel->isEnabled());
    };

    dial->click();
    EXPECT_EQ(controls(), "001");
    ASSERT_TRUE(WaitUntil([&] { return page->IsConnected(); }, 20'000));
    EXPECT_TRUE(sheet.isMinimized());
    EXPECT_EQ(status->text(), "Office - connected");
    ASSERT_TRUE(WaitUntil([&] { return !page->IsConnected(); }, 30'000));

    EXPECT_EQ(store.ReadString("Office", "Total costs", ""), "0.12");
    EXPECT_EQ(store.ReadString("All entries", "Total costs", ""), "0.12");
    EXPECT_NE(store.ReadString("Office", "Last connect", "<unknown>"), "<unknown>");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(status->text(), "no connection established");
    EXPECT_EQ(controls(), "110");
    EXPECT_EQ(sheet.windowTitle(), "Varnolt 0.63 NT [Beta]");
    EXPECT_FALSE(sheet.isMinimized());
    sheet.reject();
}

TEST(QtSound, ReturnsAtOnceAndStaysSilentWhereNothingCanPlay) {
    TempDir dir;
    const std::string wave = (dir.path() / "beep.wav").string();
    {
        // 0.1 s of 8-bit mono silence at 8000 Hz.
        const char header[] =
            "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
            "\x01\0\x08\0data\x20\x03\0\0";
        std::ofstream(wave, std::ios::binary).write(header, sizeof header - 1)
            << std::string(800, '\x80');
    }
    QtSound sound;
    QElapsedTimer elapsed;
    elapsed.start();
    for (const std::string& path : {wave, dir.path().string(), wave + ".missing", std::string()}) {
        sound.PlayWave(path);
    }
    EXPECT_LT(elapsed.elapsed(), 1000);
    // Loading and playing go on in the background, also without a device.
    RunEventsFor(300);
}

}  // namespace
}  // namespace varnolt::test
