#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "app/NumberText.h"

namespace varnolt {
namespace {

// Every case runs under the C locale and under German, whose decimal
// separator is a comma; the results must not differ.
class NumberText : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_saved = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
            << "locale " << GetParam() << " is not installed (scripts/test generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
    std::string m_saved;
};

TEST_P(NumberText, ScanFloatReadsLikePercentF) {
    EXPECT_FLOAT_EQ(ScanFloat("0.12"), 0.12f);
    EXPECT_FLOAT_EQ(ScanFloat("22.5"), 22.5f);
    EXPECT_FLOAT_EQ(ScanFloat("  -3.25xyz"), -3.25f);
    EXPECT_FLOAT_EQ(ScanFloat("+1e2"), 100.0f);
    EXPECT_FLOAT_EQ(ScanFloat(".5"), 0.5f);
    // A comma ends the number, whatever the locale says.
    EXPECT_FLOAT_EQ(ScanFloat("0,12"), 0.0f);
    EXPECT_FLOAT_EQ(ScanFloat("1,5"), 1.0f);
    EXPECT_FLOAT_EQ(ScanFloat(""), 0.0f);
    EXPECT_FLOAT_EQ(ScanFloat("abc"), 0.0f);
    EXPECT_FLOAT_EQ(ScanFloat("<unknown>"), 0.0f);
    EXPECT_TRUE(std::isinf(ScanFloat("1e99")));
    EXPECT_TRUE(std::isnan(ScanFloat("nan")));
}

TEST_P(NumberText, ScanWholeFloatTakesOnlyATextThatIsOneNumber) {
    const std::pair<const char*, float> numbers[] = {
        {"0.12", 0.12f}, {" 90 ", 90.0f}, {"-0.5", -0.5f}, {"+.5", 0.5f},
        {"21.", 21.0f},  {"1e2", 100.0f}, {"2E-1", 0.2f},  {"\t7\n", 7.0f},
    };
    for (const auto& [text, value] : numbers) {
        const std::optional<float> read = ScanWholeFloat(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_FLOAT_EQ(*read, value) << text;
    }
    for (const char* other : {"", "  ", "0,12", "12abc", "abc", ".", "-", "1e", "1e+", "0x10",
                              "inf", "nan", "1e99", "1 2", "1.2.3"}) {
        EXPECT_FALSE(ScanWholeFloat(other).has_value()) << other;
    }
}

TEST_P(NumberText, ScanLeadingIntStopsAtTheFirstNonDigit) {
    int v = 99;
    EXPECT_TRUE(ScanLeadingInt("  12abc", v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(ScanLeadingInt("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(ScanLeadingInt("+08.5", v));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(ScanLeadingInt("99999999999999999999", v));
    EXPECT_EQ(v, INT_MAX);
    EXPECT_TRUE(ScanLeadingInt("-99999999999999999999", v));
    EXPECT_EQ(v, INT_MIN);
    v = 5;
    for (const char* none : {"", "   ", "-", "+ 3", "x1", ".5"}) {
        EXPECT_FALSE(ScanLeadingInt(none, v)) << none;
        EXPECT_EQ(v, 5) << none;
    }
}

TEST_P(NumberText, FormatsWithAPointAndFixedDigits) {
    EXPECT_EQ(FormatAmount(0.0), "0.00");
    EXPECT_EQ(FormatAmount(0.12f), "0.12");
    EXPECT_EQ(FormatAmount(1234567.891), "1234567.89");
    EXPECT_EQ(FormatAmount(-0.5), "-0.50");
    EXPECT_EQ(FormatAmount(2.675), "2.67");  // the binary value lies below 2.675, as printf says
    // Never "inf" or "nan"; the largest amount reads back as itself.
    const std::string largest = FormatAmount(std::numeric_limits<float>::max());
    EXPECT_EQ(largest, "340282346638528859811704183484516925440.00");
    EXPECT_EQ(ScanFloat(largest), std::numeric_limits<float>::max());
    EXPECT_EQ(FormatAmount(HUGE_VAL), largest);
    EXPECT_EQ(FormatAmount(1e300), largest);
    EXPECT_EQ(FormatAmount(-HUGE_VAL), "-" + largest);
    EXPECT_EQ(FormatAmount(std::nan("")), "0.00");
    EXPECT_EQ(FormatTwoDigits(0), "00");
    EXPECT_EQ(FormatTwoDigits(7), "07");
    EXPECT_EQ(FormatTwoDigits(59), "59");
    EXPECT_EQ(FormatTwoDigits(2026), "2026");
    EXPECT_EQ(FormatTwoDigits(-5), "-05");
    EXPECT_EQ(FormatTwoDigits(INT_MIN), "-2147483648");
    EXPECT_EQ(FormatInt(10000), "10000");
    EXPECT_EQ(FormatInt(-42), "-42");
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberText, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'C' ? "C" : "German");
                         });

}  // namespace
}  // namespace varnolt
