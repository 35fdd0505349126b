#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "FixedLocale.h"
#include "ForwardingSettingsStore.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "app/LocalTime.h"
#include "app/SheetMessages.h"
#include "log/CConnectionLog.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "__LOG file";

void StoreRecord(SettingsStore& store, int n, const std::string& entry) {
    const std::string i = std::to_string(n);
    store.WriteString(kSection, "Entry #" + i, entry);
    store.WriteString(kSection, "User #" + i, "user " + i);
    store.WriteString(kSection, "From #" + i, "01.02. 03:04 h");
    store.WriteString(kSection, "To #" + i, "01.02. 03:05 h");
    store.WriteString(kSection, "Costs #" + i, "0.12 DM");
    store.WriteString(kSection, "Total Costs #" + i, i + ".00 DM");
}

class ConnectionLogTest : public ::testing::Test {
protected:
    // A call over New Year of 12.3; a grand total of 0.004 shows the rounding.
    void AppendCall(const std::string& entry = "Office") {
        log.Append(entry, "anna", MakeLocal(1996, 12, 31, 23, 50, 0),
                   MakeLocal(1997, 1, 1, 0, 20, 0), 12.3f, 0.004f);
    }

    test::RecordingSettingsStore store;
    test::FixedLocale locale{"DM"};
    test::ScriptedDialer dialer;
    test::RecordingSheetHost host;
    CConnectionLog log{store, locale, dialer, host};
};

TEST_F(ConnectionLogTest, AppendCountsThenWritesTheSixValuesInOneTransaction) {
    AppendCall();
    const std::string s = std::string(kSection) + "|";
    EXPECT_EQ(store.writes,
              (std::vector<std::string>{"BEGIN", s + "Anzahl=1", s + "Entry #1='Office'",
                                        s + "User #1='anna'", s + "From #1='31.12. 23:50 h'",
                                        s + "To #1='01.01. 00:20 h'", s + "Costs #1='12.30 DM'",
                                        s + "Total Costs #1='0.00 DM'", "END"}));
    EXPECT_EQ(log.Count(), 1);
    EXPECT_EQ(log.Read(1), (CLogRecord{"Office", "anna", "31.12. 23:50 h", "01.01. 00:20 h",
                                       "12.30 DM", "0.00 DM"}));
    EXPECT_TRUE(host.sent.empty());  // the accounting tells the sheet once it has committed
}

struct HandEdited {
    const char* name;
    std::optional<int> count;  // "Anzahl"; none: missing
    int stored;                // records 1..stored are in the store
    int shown;
};

void PrintTo(const HandEdited& c, std::ostream* os) {
    *os << c.name;
}

class HandEditedCount : public ConnectionLogTest,
                        public ::testing::WithParamInterface<HandEdited> {};

// The list shows what is there, and the next record lands right after it.
TEST_P(HandEditedCount, NeitherHangsNorHidesTheNextRecord) {
    const HandEdited& c = GetParam();
    for (int n = 1; n <= c.stored; ++n) {
        StoreRecord(store, n, "Old");
    }
    if (c.count) {
        store.WriteInt(kSection, "Anzahl", *c.count);
    }
    EXPECT_EQ(log.Count(), c.shown);
    EXPECT_EQ(log.ReadAll().size(), static_cast<std::size_t>(c.shown));
    AppendCall("New");
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), c.shown + 1);
    EXPECT_EQ(log.Count(), c.shown + 1);
    EXPECT_EQ(log.ReadAll().back().entry, "New");
}

INSTANTIATE_TEST_SUITE_P(Log, HandEditedCount,
                         ::testing::Values(HandEdited{"Missing", std::nullopt, 0, 0},
                                           HandEdited{"Negative", -5, 2, 0},
                                           HandEdited{"FarAbove", 1'000'000, 3, 3},
                                           HandEdited{"Largest", INT_MAX, 3, 3},
                                           HandEdited{"BelowOldRecords", 2, 5, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Hand edits: gaps, records with only some values, a record above the count.
TEST_F(ConnectionLogTest, GapsAreSkippedAndMissingValuesReadAsDefaults) {
    StoreRecord(store, 2, "Two");
    store.WriteString(kSection, "Costs #4", "0.12 DM");
    store.WriteInt(kSection, "User #6", 3);  // stored, but not a text
    StoreRecord(store, 9, "Nine");
    StoreRecord(store, 12, "Twelve");
    store.WriteInt(kSection, "Anzahl", 10);
    CLogRecord four;
    four.costs = "0.12 DM";
    const std::vector<CLogRecord> expected{log.Read(2), four, CLogRecord{}, log.Read(9)};
    store.reads = 0;
    EXPECT_EQ(log.ReadAll(), expected);
    EXPECT_EQ(store.sectionReads, 1);
    EXPECT_LT(store.reads, 20);  // the count's checks, not a read per number
    EXPECT_EQ(log.ReadStored(1, 10), expected);
}

TEST_F(ConnectionLogTest, ClearResetsCountAndEveryTotalInOneTransactionThenRebuildsTheTree) {
    for (int n = 1; n <= 7; ++n) {
        StoreRecord(store, n, "Office");
    }
    store.WriteInt(kSection, "Anzahl", 7);
    for (const char* section : {"All entries", "Office", "Home", "Elsewhere"}) {
        store.WriteString(section, "Total costs", "3.00");
        store.WriteString(section, "Last connect", "05.03.1996 at 09:07:15 h");
    }
    dialer.AddEntry("Office");
    dialer.AddEntry("Home");
    store.writes.clear();
    host.onNotification = [&](unsigned message, int) {
        store.writes.push_back("notify " + std::to_string(message));
    };

    log.Clear();
    std::vector<std::string> expected{"BEGIN", "__LOG file|Anzahl=0"};
    for (const char* section : {"All entries", "Office", "Home"}) {
        expected.push_back(std::string(section) + "|Last connect='<unknown>'");
        expected.push_back(std::string(section) + "|Total costs='<unknown>'");
    }
    expected.push_back("END");
    expected.push_back("notify " + std::to_string(WM_RELOAD_PHONEBOOK));
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.ReadString("Elsewhere", "Total costs", ""), "3.00");
    EXPECT_EQ(log.Count(), 0);
    EXPECT_TRUE(log.ReadAll().empty());

    // The old records stay, unseen, and the next call is number 1 again.
    AppendCall("Home");
    EXPECT_EQ(log.Count(), 1);
    EXPECT_EQ(log.Read(1).entry, "Home");
    EXPECT_EQ(store.ReadString(kSection, "Entry #7", ""), "Office");
}

TEST(ConnectionLog, TheQuestionBeforeClearingIsYesOrNo) {
    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        test::ScriptedPrompts prompts;
        prompts.Answer(answer);
        EXPECT_EQ(AskToClearLog(prompts), answer == PromptAnswer::Yes);
        ASSERT_EQ(prompts.shown().size(), 1u);
        const auto& box = prompts.shown()[0];
        EXPECT_EQ(box.text, "Are you sure, to delete all logged costs ?");
        EXPECT_EQ(box.title, "Delete LOG...");
        EXPECT_EQ(box.icon, PromptIcon::Question);
        EXPECT_EQ(box.buttons, PromptButtons::YesNo);
    }
}

TEST(ConnectionLogOnSqlite, ReadingTheWholeLogTakesOnePassOverTheSection) {
    test::TempDir dir;
    SqliteSettingsStore sqlite((dir.path() / "Varnolt.db").string());
    {
        StoreTransaction transaction(sqlite);
        // Record 10000 comes by among the first values and again at the end.
        for (int n : {10000, 10001}) {
            StoreRecord(sqlite, n, "Entry " + std::to_string(n));
        }
        for (int n = 1; n <= 1000; ++n) {
            StoreRecord(sqlite, n, "Entry " + std::to_string(n));
        }
        sqlite.WriteInt(kSection, "Anzahl", 10000);  // record 10001 is left over
        // Numbers where record 2's user and total belong, and keys of no record.
        sqlite.WriteInt(kSection, "User #2", 0);
        sqlite.WriteInt(kSection, "Total Costs #2", 7);
        sqlite.WriteString(kSection, "User #2x", "stray");
        sqlite.WriteString(kSection, "Entry #0", "stray");
    }
    test::ForwardingSettingsStore watched(sqlite);
    test::FixedLocale locale;
    test::ScriptedDialer dialer;
    test::RecordingSheetHost host;
    const std::vector<CLogRecord> all = CConnectionLog(watched, locale, dialer, host).ReadAll();
    ASSERT_EQ(all.size(), 1001u);
    EXPECT_EQ(all[0].entry, "Entry 1");
    // Values that are not texts read as the defaults, one by one as well.
    const CLogRecord second{"Entry 2",        "<unknown>", "01.02. 03:04 h",
                            "01.02. 03:05 h", "0.12 DM",   "0"};
    EXPECT_EQ(all[1], second);
    EXPECT_EQ(CConnectionLog(sqlite, locale, dialer, host).Read(2), second);
    EXPECT_EQ(all[999], (CLogRecord{"Entry 1000", "user 1000", "01.02. 03:04 h", "01.02. 03:05 h",
                                    "0.12 DM", "1000.00 DM"}));
    EXPECT_EQ(all[1000], (CLogRecord{"Entry 10000", "user 10000", "01.02. 03:04 h",
                                     "01.02. 03:05 h", "0.12 DM", "10000.00 DM"}));
    EXPECT_EQ(watched.sectionReads, 1);
    EXPECT_LT(watched.reads, 10);
}

}  // namespace
}  // namespace varnolt
