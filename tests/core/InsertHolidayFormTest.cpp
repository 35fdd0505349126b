#include <gtest/gtest.h>

#include "ScriptedPrompts.h"
#include "holiday/InsertHolidayForm.h"

namespace varnolt {
namespace {

const char* const kDayMessage = "The day range is only valid between 1 to 31 !";
const char* const kMonthMessage = "The month range is only valid between 1 to 12 !";
const char* const kYearMessage = "You have to define a possitiv year !";

TEST(InsertHolidayForm, OpensWithTheGivenValuesAsPlainDecimals) {
    const InsertHolidayTexts texts = InsertHolidayForm({"", 7, 3, 2026}).InitialTexts();
    EXPECT_EQ(texts.description, "");
    EXPECT_EQ(texts.day, "7");
    EXPECT_EQ(texts.month, "3");
    EXPECT_EQ(texts.year, "2026");
    EXPECT_EQ(InsertHolidayForm({"Christmas", 25, 12, 0}).InitialTexts().year, "0");
}

struct CheckCase {
    InsertHolidayTexts texts;
    const char* message;  // nullptr: accepted
    CHolidayEntry accepted;
};

TEST(InsertHolidayForm, ChecksDayThenMonthThenYear) {
    const CheckCase cases[] = {
        {{"Christmas", "25", "12", "0"}, nullptr, {"Christmas", 25, 12, 0}},
        {{"", "31", "2", "2026"}, nullptr, {"", 31, 2, 2026}},  // no calendar check
        {{" x ", "1", "1", "1"}, nullptr, {" x ", 1, 1, 1}},
        {{"", " 12abc", "+5.", "1996 "}, nullptr, {"", 12, 5, 1996}},
        {{"", "", "", ""}, nullptr, {"", 7, 3, 2026}},  // nothing readable: today stays
        {{"", "0", "5", "2026"}, kDayMessage, {}},
        {{"", "32", "5", "2026"}, kDayMessage, {}},
        {{"", "-1", "5", "2026"}, kDayMessage, {}},
        {{"", "0", "13", "-1"}, kDayMessage, {}},  // only the first failure is shown
        {{"", "1", "13", "-1"}, kMonthMessage, {}},
        {{"", "1", "0", "2026"}, kMonthMessage, {}},
        {{"", "1", "1", "-1"}, kYearMessage, {}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.texts.day + "." + c.texts.month + "." + c.texts.year);
        test::ScriptedPrompts prompts;
        InsertHolidayForm form({"", 7, 3, 2026});
        const bool accepted = form.Accept(c.texts, prompts);
        EXPECT_EQ(accepted, c.message == nullptr);
        if (c.message == nullptr) {
            EXPECT_TRUE(prompts.shown().empty());
            EXPECT_EQ(form.Entry(), c.accepted);
        } else {
            ASSERT_EQ(prompts.shown().size(), 1u);
            EXPECT_EQ(prompts.shown()[0].text, c.message);
            EXPECT_EQ(prompts.shown()[0].title, "Error...");
            EXPECT_EQ(prompts.shown()[0].icon, PromptIcon::Stop);
            EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::Ok);
        }
    }
}

TEST(InsertHolidayForm, AnUnreadableFieldKeepsThePreviousValue) {
    test::ScriptedPrompts prompts;
    InsertHolidayForm form({"", 7, 3, 2026});
    // The first press fails on the day, before the month is read.
    EXPECT_FALSE(form.Accept({"", "40", "5", "2026"}, prompts));
    // The day field emptied: still 40, still failing.
    EXPECT_FALSE(form.Accept({"", "", "5", "2026"}, prompts));
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].text, kDayMessage);
    // The month was never read, so an unreadable month is still today's.
    EXPECT_TRUE(form.Accept({"Holiday", "4", "x", "-"}, prompts));
    EXPECT_EQ(form.Entry(), (CHolidayEntry{"Holiday", 4, 3, 2026}));
}

}  // namespace
}  // namespace varnolt
