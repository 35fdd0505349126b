#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <fstream>

#include "RealService.h"

namespace varnolt::test {
namespace {

// The real service, store, timers and clock: an entry that connects after
// 1 s and whose remote side hangs up 4 s later.
TEST(Dialing, ARealCallIsWatchedMeteredAndAccounted) {
    RealService real;
    real.AddEntry("Office", 1, 4);
    real.Open(real.timers);
    auto* status = real.page->findChild<QLabel*>("statusLine");
    auto controls = [&] {
        return std::to_string(real.page->findChild<QPushButton*>("dialButton")->isEnabled()) +
               std::to_string(real.page->Tree()->isEnabled()) +
               std::to_string(real.page->findChild<QPushButton*>("cancelButton")->isEnabled());
    };

    ASSERT_TRUE(real.Dial(0));
    EXPECT_EQ(controls(), "001");
    EXPECT_TRUE(real.sheet.isMinimized());
    EXPECT_EQ(status->text(), "Office - connected");
    ASSERT_TRUE(WaitUntil([&] { return !real.page->IsConnected(); }, 30'000));

    EXPECT_EQ(real.store.ReadString("Office", "Total costs", ""), "0.12");
    EXPECT_EQ(real.store.ReadString("All entries", "Total costs", ""), "0.12");
    EXPECT_NE(real.store.ReadString("Office", "Last connect", "<unknown>"), "<unknown>");
    EXPECT_EQ(real.store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(status->text(), "no connection established");
    EXPECT_EQ(controls(), "110");
    EXPECT_EQ(real.sheet.windowTitle(), "Varnolt 0.63 NT [Beta]");
    EXPECT_FALSE(real.sheet.isMinimized());
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
