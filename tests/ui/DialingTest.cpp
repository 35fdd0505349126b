#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>

#include "FixedLocale.h"
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

namespace varnolt {
namespace {

// Runs the event loop until `done` holds; false when `timeoutMs` passed first.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

struct NoEntryDialogs final : EntryDialogs {
    void ShowNewEntry(const Submit&) override {}
    void ShowEditEntry(const PhonebookEntry&, const Submit&) override {}
};

// The real service, store, timers and clock: an entry that connects after
// 1 s and whose remote side hangs up 4 s later.
TEST(Dialing, ARealCallIsWatchedMeteredAndAccounted) {
    test::TempDir dir;
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
    test::RecordingShell shell;
    test::FixedLocale locale{"EUR"};
    test::ScriptedPrompts prompts;

    CRASSheet sheet(false);
    auto* page = new CTreePage(store, service, locale, prompts, sheet);
    page->InstallDialing(clock, timers, sound, shell, sheet);
    sheet.AddPage(kPagePhonebook, page);
    sheet.show();
    QApplication::processEvents();
    QTreeWidget* tree = page->Tree();
    ASSERT_NE(tree, nullptr);
    tree->setCurrentItem(tree->topLevelItem(0)->child(1)->child(0));
    auto* dial = page->findChild<QPushButton*>("dialButton");
    auto* cancel = page->findChild<QPushButton*>("cancelButton");
    auto* status = page->findChild<QLabel*>("statusLine");
    ASSERT_TRUE(dial != nullptr && cancel != nullptr && status != nullptr);
    ASSERT_TRUE(dial->isEnabled());

    dial->click();
    EXPECT_FALSE(dial->isEnabled());
    EXPECT_FALSE(tree->isEnabled());
    EXPECT_TRUE(cancel->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return page->IsConnected(); }, 20'000));
    EXPECT_TRUE(sheet.isMinimized());
    EXPECT_EQ(status->text(), "Office - connected");
    ASSERT_TRUE(
        WaitUntil([&] { return sheet.windowTitle().startsWith("0.12 EUR / 00:00:0"); }, 10'000));

    ASSERT_TRUE(WaitUntil([&] { return !page->IsConnected(); }, 30'000));
    EXPECT_EQ(store.ReadString("Office", "Total costs", ""), "0.12");
    EXPECT_EQ(store.ReadString("All entries", "Total costs", ""), "0.12");
    EXPECT_NE(store.ReadString("All entries", "Last connect", "<unknown>"), "<unknown>");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(store.ReadString("__LOG file", "Entry #1", ""), "Office");
    EXPECT_EQ(status->text(), "no connection established");
    EXPECT_EQ(sheet.windowTitle(), "Varnolt 0.63 NT [Beta]");
    EXPECT_FALSE(sheet.isMinimized());
    EXPECT_TRUE(dial->isEnabled());
    EXPECT_TRUE(tree->isEnabled());
    EXPECT_FALSE(cancel->isEnabled());
    sheet.reject();
}

TEST(QtSound, ReturnsAtOnceAndStaysSilentWhereNothingCanPlay) {
    test::TempDir dir;
    const std::string wave = (dir.path() / "beep.wav").string();
    {
        // 0.1 s of 8-bit mono silence at 8000 Hz.
        const char header[] =
            "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
            "\x01\0\x08\0data\x20\x03\0\0";
        std::ofstream out(wave, std::ios::binary);
        out.write(header, sizeof header - 1);
        out << std::string(800, '\x80');
    }
    QtSound sound;
    QElapsedTimer elapsed;
    elapsed.start();
    for (const std::string& path : {wave, dir.path().string(), wave + ".missing", std::string()}) {
        sound.PlayWave(path);
    }
    EXPECT_LT(elapsed.elapsed(), 1000);
    // Loading and playing go on in the background without an audio device.
    WaitUntil([] { return false; }, 300);
}

}  // namespace
}  // namespace varnolt
