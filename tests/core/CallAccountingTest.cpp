#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MeteredCall.h"
#include "app/SheetMessages.h"
#include "connection/PhonebookTreeBuilder.h"
#include "tariff/CScaleStore.h"

namespace varnolt::test {
namespace {

constexpr const char* kTitle = "Varnolt 0.63 NT [Beta]";

class CallAccountingTest : public ::testing::Test {
protected:
    CallAccountingTest() {
        call.dialer.AddEntry("Office");
        call.dialer.AddEntry("Home");
    }

    std::string Total(const std::string& section) const {
        return call.store.ReadString(section, "Total costs", "-");
    }
    std::string LastConnect(const std::string& section) const {
        return call.store.ReadString(section, "Last connect", "-");
    }
    std::string Shown() const { return RecordingTreeView::Outline(call.tree.tree); }
    std::string Rebuilt() {
        return RecordingTreeView::Outline(
            PhonebookTreeBuilder(call.dialer, call.store, call.locale).Build());
    }
    // The costs item of an entry (or of the overall indicator for "").
    std::string CostsItem(const std::string& entry) const {
        const TreeNode& root = call.tree.tree;
        if (entry.empty()) {
            return root.children.at(0).children.at(0).text;
        }
        for (const TreeNode& node : root.children.at(1).children) {
            if (node.text == entry) {
                return node.children.at(2).children.at(1).text;
            }
        }
        return "no entry " + entry;
    }

    ScopedTimeZone m_utc{"UTC"};
    MeteredCall call;
};

TEST_F(CallAccountingTest, FirstCallOfAnEntryWritesTotalsAndTheLogRecordInOneTransaction) {
    call.store.WriteString("All entries", "Total costs", "12.00");
    call.ShowTree();
    call.clock.SetLocal(1996, 3, 5, 9, 7, 15);  // a Tuesday
    call.Begin("Office", "anna");
    call.store.writes.clear();
    call.RunFor(200'000);  // units at connect, 91 s and 181 s
    ASSERT_EQ(call.Units(), 3);

    const std::string connect = "'05.03.1996 at 09:07:15 h'";
    EXPECT_EQ(
        call.store.writes,
        (std::vector<std::string>{
            "BEGIN", "Office|Total costs='0.36'", "Office|Last connect=" + connect,
            "All entries|Total costs='12.36'", "All entries|Last connect=" + connect,
            "__LOG file|Anzahl=1", "__LOG file|Entry #1='Office'", "__LOG file|User #1='anna'",
            "__LOG file|From #1='05.03. 09:07 h'", "__LOG file|To #1='05.03. 09:10 h'",
            "__LOG file|Costs #1='0.36 DM'", "__LOG file|Total Costs #1='12.36 DM'", "END"}));
    // The tree shows what the store now holds; nothing but texts changed.
    EXPECT_EQ(CostsItem(""), "Costs: 12.36 DM");
    EXPECT_EQ(CostsItem("Office"), "Costs: 0.36 DM");
    EXPECT_EQ(Shown(), Rebuilt());
    EXPECT_EQ(call.host.sent, (std::vector<RecordingSheetHost::Sent>{{WM_RELOAD_LOG, 0}}));
    EXPECT_EQ(call.captions.shown.back(), kTitle);
}

TEST_F(CallAccountingTest, ACallAcrossNewYearKeepsItsStartAsLastConnect) {
    call.BeginAt("Office", 1996, 12, 31, 23, 55, 0);
    call.RunUntil(1997, 1, 1, 0, 10, 0);
    EXPECT_EQ(LastConnect("Office"), "31.12.1996 at 23:55:00 h");
    EXPECT_EQ(LastConnect("All entries"), "31.12.1996 at 23:55:00 h");
    EXPECT_EQ(call.log.Read(1).from, "31.12. 23:55 h");
    EXPECT_EQ(call.log.Read(1).to, "01.01. 00:10 h");
}

TEST_F(CallAccountingTest, AfterAClearedLogTheTotalsStartFromNothing) {
    for (const char* section : {"All entries", "Office"}) {
        call.store.WriteString(section, "Total costs", "7.00");
    }
    call.log.Clear();
    call.ShowTree();
    EXPECT_EQ(CostsItem(""), "Costs: 0 DM");
    EXPECT_EQ(CostsItem("Office"), "Costs: 0 DM");

    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.RunFor(500);  // the first tick finds the line down: one unit
    EXPECT_EQ(Total("Office"), "0.12");
    EXPECT_EQ(Total("All entries"), "0.12");
    EXPECT_EQ(CostsItem("Office"), "Costs: 0.12 DM");
}

TEST_F(CallAccountingTest, TotalsAreRoundedToCentsOncePerCall) {
    call.store.WriteString("Office", "Total costs", "3.336");
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.RunFor(500);
    EXPECT_EQ(Total("Office"), "3.46");  // 3.456 in single precision
    call.BeginAt("Office", 2026, 12, 8, 11, 0, 0);
    EXPECT_FLOAT_EQ(call.meter.EntryTotal(), 3.46f + 0.12f);
    call.RunFor(500);
    EXPECT_EQ(Total("Office"), "3.58");
}

TEST_F(CallAccountingTest, AnEntryNamedAllEntriesIsChargedOnceAndKeepsItsTotalApart) {
    const std::string own = "__Entry \"All entries\"";
    call.dialer.AddEntry("All entries");
    call.store.WriteString("All entries", "Total costs", "12.00");
    call.store.WriteString(own, "Total costs", "1.00");
    call.ShowTree();
    call.BeginAt("All entries", 2026, 12, 8, 10, 0, 0);
    call.RunFor(500);  // one unit: 0.12
    EXPECT_FLOAT_EQ(call.meter.EntryTotal(), 1.12f);
    EXPECT_EQ(Total("All entries"), "12.12");
    EXPECT_EQ(Total(own), "1.12");
    EXPECT_EQ(LastConnect(own), "08.12.2026 at 10:00:00 h");
    EXPECT_EQ(CostsItem(""), "Costs: 12.12 DM");
    EXPECT_EQ(CostsItem("All entries"), "Costs: 1.12 DM");
    EXPECT_EQ(Shown(), Rebuilt());
    call.log.Clear();
    EXPECT_EQ(Total(own), "<unknown>");
}

// What happens to the stored totals while a call runs is kept: both totals
// are the stored ones read at the end plus the call's fee.
struct DuringTheCall {
    const char* name;
    const char* unit;  // charged every second, all day
    std::function<void(MeteredCall&)> run;
    const char* office;
    const char* overall;
};

void PrintTo(const DuringTheCall& c, std::ostream* os) {
    *os << c.name;
}

class EndOfCallTotals : public CallAccountingTest,
                        public ::testing::WithParamInterface<DuringTheCall> {};

TEST_P(EndOfCallTotals, AreTheStoredOnesPlusTheFee) {
    const DuringTheCall& c = GetParam();
    call.store.WriteString("Office", "Scale", "Userdefined scale #2");
    TariffScale scale;
    scale.id = ScaleId::User2;
    scale.weekdayPeriods = scale.holidayPeriods = {{0, 0, 24, 0, "1", c.unit}};
    ASSERT_TRUE(CScaleStore(call.store).SaveScale(scale));
    call.store.WriteString("Office", "Total costs", "2000.00");
    call.store.WriteString("All entries", "Total costs", "2000.00");
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    c.run(call);
    EXPECT_EQ(Total("Office"), c.office);
    EXPECT_EQ(Total("All entries"), c.overall);
}

INSTANTIATE_TEST_SUITE_P(Accounting, EndOfCallTotals,
                         ::testing::Values(
                             // Adding 600 units to the entry total one by one would give 2072.02.
                             DuringTheCall{"SixHundredUnits", "0.12",
                                           [](MeteredCall& c) {
                                               c.RunFor(601'000);
                                               ASSERT_EQ(c.Units(), 600);
                                           },
                                           "2072.00", "2072.00"},
                             // Off for three units: those cost nothing, and the stored total stays.
                             DuringTheCall{"LoggingOffForAWhile", "0.50",
                                           [](MeteredCall& c) {
                                               c.Advance(10'000);  // 10 units: 5.00
                                               c.store.WriteInt("All entries", "Filelogging", 0);
                                               c.Advance(3'000);
                                               c.store.WriteInt("All entries", "Filelogging", 1);
                                               c.RunFor(5'000);  // 4 units: 2.00
                                           },
                                           "2002.00", "2002.00"},
                             // The cleared totals are not brought back by the call.
                             DuringTheCall{"LogDeletedMidCall", "0.50",
                                           [](MeteredCall& c) {
                                               c.Advance(10'000);
                                               c.log.Clear();
                                               c.RunFor(5'000);
                                           },
                                           "7.00", "7.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallAccountingTest, WithoutFileloggingNothingIsAccounted) {
    call.store.WriteInt("All entries", "Filelogging", 0);
    call.store.WriteString("Office", "Total costs", "5.00");
    call.ShowTree();
    const std::string before = Shown();
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.store.writes.clear();
    call.RunFor(200'000);
    EXPECT_TRUE(call.store.writes.empty());
    EXPECT_TRUE(call.host.sent.empty());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(call.log.Count(), 0);
}

}  // namespace
}  // namespace varnolt::test
