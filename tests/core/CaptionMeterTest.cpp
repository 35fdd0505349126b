#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "MeteredCall.h"

namespace varnolt::test {
namespace {

constexpr const char* kTitle = "Varnolt 0.63 NT [Beta]";

// The texts must not depend on the process locale: German writes 11,38.
class CaptionTexts : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_saved = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam();
    }
    void TearDown() override { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
    std::string m_saved;
};

TEST_P(CaptionTexts, FollowTheStyle) {
    struct Case {
        CaptionStyle style;
        float fee;
        const char* symbol;
        std::int64_t elapsed;
        const char* caption;
    };
    for (const Case& c : {
             Case{kStyleFeeAndTime, 11.38f, "DM", 45 * 60 + 23, "11.38 DM / 00:45:23 h"},
             Case{kStyleFeeAndTime, 0.12f, "", 5, "0.12  / 00:00:05 h"},
             Case{kStyleFeeOnly, 0.12f, "DM", 1, "0.12 DM / Varnolt"},
             Case{kStyleTimeOnly, 11.38f, "DM", 3723, "01:02:03 h / Varnolt"},
             Case{kStyleTimeOnly, 0.0f, "DM", 100 * 3600, "100:00:00 h / Varnolt"},
             Case{kStyleTitleOnly, 11.38f, "DM", 3723, "Varnolt / connect"},
         }) {
        EXPECT_EQ(CaptionText(c.style, c.fee, c.symbol, c.elapsed), c.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, CaptionTexts, ::testing::Values("C", "de_DE.UTF-8"));

class CaptionMeterTest : public ::testing::Test {
protected:
    void SetStyle(int style) { call.store.WriteInt("All entries", "Style", style); }
    // The captions shown from now on.
    std::vector<std::string> CaptionsDuring(std::int64_t ms) {
        call.captions.shown.clear();
        call.Advance(ms);
        return call.captions.shown;
    }

    ScopedTimeZone m_utc{"UTC"};
    MeteredCall call;
};

TEST_F(CaptionMeterTest, EveryTickWritesTheCaptionInTheStyleReadAtConnect) {
    struct Case {
        int stored;
        std::vector<std::string> captions;
    };
    for (const Case& c : {
             Case{2, {"00:00:01 h / Varnolt", "00:00:02 h / Varnolt"}},
             Case{1, {"0.12 DM / Varnolt", "0.12 DM / Varnolt"}},
             Case{3, {"Varnolt / connect", "Varnolt / connect"}},
             // No caption for these: the sheet keeps its title.
             Case{4, {kTitle, kTitle}},
             Case{7, {kTitle, kTitle}},
             Case{-1, {kTitle, kTitle}},
         }) {
        SetStyle(c.stored);
        call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
        EXPECT_EQ(CaptionsDuring(2'000), c.captions) << c.stored;
        call.RunFor(1);
        EXPECT_EQ(call.captions.shown.back(), kTitle);
    }
}

TEST_F(CaptionMeterTest, EveryTickAlsoSummarisesTheCallWhateverTheStyle) {
    for (int style : {0, 7}) {
        SetStyle(style);
        call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
        call.captions.summaries.clear();
        call.Advance(2'000);
        EXPECT_EQ(
            call.captions.summaries,
            (std::vector<std::string>{"Office\nConnected for 00:00:01 h\nFee so far: 0.12 DM",
                                      "Office\nConnected for 00:00:02 h\nFee so far: 0.12 DM"}))
            << style;
        call.RunFor(1);
    }
}

TEST_F(CaptionMeterTest, AStyleChosenDuringACallActsFromTheNextCall) {
    SetStyle(2);
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.Advance(1'000);
    SetStyle(0);
    EXPECT_EQ(CaptionsDuring(1'000), (std::vector<std::string>{"00:00:02 h / Varnolt"}));
    call.RunFor(1);
    call.Begin("Office");
    EXPECT_EQ(CaptionsDuring(1'000), (std::vector<std::string>{"0.12 DM / 00:00:01 h"}));
}

TEST_F(CaptionMeterTest, ATicksCaptionShowsTheFeeBeforeItsPeriodChange) {
    SetStyle(1);
    // 18:00 on a weekday: 18:00:01 starts a new cycle with a unit paid at once.
    call.BeginAt("Office", 2026, 12, 8, 17, 59, 58);
    EXPECT_EQ(CaptionsDuring(4'000),
              (std::vector<std::string>{"0.12 DM / Varnolt", "0.12 DM / Varnolt",
                                        "0.12 DM / Varnolt", "0.24 DM / Varnolt"}));
}

}  // namespace
}  // namespace varnolt::test
