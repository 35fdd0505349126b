#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <vector>

#include "FakeClock.h"
#include "MemorySettingsStore.h"
#include "RecordingSettingsStore.h"
#include "ScriptedPrompts.h"
#include "holiday/HolidayPageLogic.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "Holiday database";

// A list view held in memory; the dialog answers from a test's function.
class FakeListView final : public HolidayListView {
public:
    void ClearRows() override { rows.clear(); }
    void AppendRow(const HolidayRow& row) override { rows.push_back(row); }
    void DeleteRow(int row) override { rows.erase(rows.begin() + row); }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    int FirstSelectedRow() const override { return selected; }
    std::string RowDescription(int row) const override { return rows.at(row)[0]; }
    bool RunInsertDialog(CHolidayEntry& entry) override {
        dialogOpenedWith.push_back(entry);
        return dialog ? dialog(entry) : false;
    }
    bool RunPublicHolidaysDialog(int& year, GermanState& state) override {
        publicDialogOpenedWith.push_back(year);
        year = publicYear;
        state = publicState;
        return publicAccepted;
    }

    std::vector<HolidayRow> rows;
    int selected = -1;
    std::function<bool(CHolidayEntry&)> dialog;
    std::vector<CHolidayEntry> dialogOpenedWith;
    std::vector<int> publicDialogOpenedWith;
    bool publicAccepted = false;
    int publicYear = 0;
    GermanState publicState = GermanState::Nationwide;
};

class HolidayPage : public ::testing::Test {
protected:
    void Add(const CHolidayEntry& entry) { CHolidayDatabase(m_store).Insert(entry); }
    std::vector<CHolidayEntry> Stored() { return CHolidayDatabase(m_store).ReadAll(); }
    int Anzahl() const { return m_store.ReadInt(kSection, "Anzahl", -1); }

    test::MemorySettingsStore m_store;
    test::FakeClock m_clock;
    test::ScriptedPrompts m_prompts;
    FakeListView m_view;
    HolidayPageLogic m_page{m_store, m_clock, m_prompts, m_view};
};

TEST(HolidayRowTexts, ShowZeroAsErrorAndTheYearMarkAsEveryYear) {
    struct Case {
        CHolidayEntry entry;
        HolidayRow row;
    } cases[] = {
        {{"Christmas", 25, 12, EveryYear}, {"Christmas", "25", "12", "every year"}},
        {{"", 1, 5, 1996}, {"", "1", "5", "1996"}},
        {{"No description available", 0, 0, 0},
         {"No description available", "ERROR", "ERROR", "ERROR"}},
        {{"odd", -3, 13, 0}, {"odd", "-3", "13", "ERROR"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HolidayRowTexts(c.entry), c.row) << c.entry.description;
    }
}

TEST_F(HolidayPage, FillListShowsTheStoredHolidaysInNumberOrder) {
    Add({"Christmas", 25, 12, 0});
    Add({"Labour day", 1, 5, 1996});
    Add({"Easter", 5, 4, 2026});
    for (const char* key : {"Description #2", "Day #2", "Month #2", "Year #2"}) {
        m_store.WriteString(kSection, key, "hand-edited");  // of the wrong kind
    }
    m_view.rows.push_back({"stale", "", "", ""});
    m_page.FillList();
    EXPECT_EQ(m_view.rows, (std::vector<HolidayRow>{{"Christmas", "25", "12", "every year"},
                                                    {"hand-edited", "ERROR", "ERROR", "ERROR"},
                                                    {"Easter", "5", "4", "2026"}}));

    m_store.WriteInt(kSection, "Anzahl", INT_MAX);
    m_page.FillList();
    EXPECT_EQ(m_view.RowCount(), 3);  // stops at the last stored holiday
}

TEST_F(HolidayPage, InsertOpensTheDialogOnTodayAndStoresWhatWasEntered) {
    m_clock.SetLocal(2026, 3, 9, 23, 59, 59);
    m_view.dialog = [](CHolidayEntry& entry) {
        entry = {"Christmas", 25, 12, 0};
        return true;
    };
    m_page.OnInsert();
    ASSERT_EQ(m_view.dialogOpenedWith.size(), 1u);
    EXPECT_EQ(m_view.dialogOpenedWith[0], (CHolidayEntry{"", 9, 3, 2026}));
    EXPECT_EQ(Stored(), (std::vector<CHolidayEntry>{{"Christmas", 25, 12, EveryYear}}));
    EXPECT_EQ(m_view.rows, (std::vector<HolidayRow>{{"Christmas", "25", "12", "every year"}}));

    // The next day, cancelled: nothing changes.
    m_clock.Advance(1000);
    m_view.dialog = [](CHolidayEntry& entry) {
        entry.description = "typed, then cancelled";
        return false;
    };
    const int writes = m_store.WriteCount();
    m_page.OnInsert();
    EXPECT_EQ(m_view.dialogOpenedWith.back(), (CHolidayEntry{"", 10, 3, 2026}));
    EXPECT_EQ(m_store.WriteCount(), writes);
    EXPECT_EQ(m_view.RowCount(), 1);
    EXPECT_TRUE(m_prompts.shown().empty());
}

TEST_F(HolidayPage, DeleteRefusesAnEmptyListAndAMissingSelection) {
    m_page.FillList();
    m_page.OnDelete();
    Add({"Christmas", 25, 12, 0});
    m_page.FillList();
    m_page.OnDelete();  // nothing selected

    ASSERT_EQ(m_prompts.shown().size(), 2u);
    EXPECT_EQ(m_prompts.shown()[0].text, "The holiday database is empty, nothing to remove !");
    EXPECT_EQ(m_prompts.shown()[1].text,
              "First you have to select the holiday, you want to remove from the database !");
    for (const auto& shown : m_prompts.shown()) {
        EXPECT_EQ(shown.title, "Error...");
        EXPECT_EQ(shown.icon, PromptIcon::Stop);
        EXPECT_EQ(shown.buttons, PromptButtons::Ok);
    }
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(HolidayPage, DeleteAsksAboutTheSelectedRowAndRemovesItOnYes) {
    Add({"New Year", 1, 1, 0});
    Add({"Labour day", 1, 5, 1996});
    Add({"Christmas", 25, 12, 0});
    m_page.FillList();
    m_view.selected = 1;

    m_prompts.Answer(PromptAnswer::No);
    m_page.OnDelete();
    ASSERT_EQ(m_prompts.shown().size(), 1u);
    EXPECT_EQ(m_prompts.shown()[0].text, "Are you sure to remove 'Labour day' from database ?");
    EXPECT_EQ(m_prompts.shown()[0].title, "Delete...");
    EXPECT_EQ(m_prompts.shown()[0].icon, PromptIcon::Question);
    EXPECT_EQ(m_prompts.shown()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(m_view.RowCount(), 3);
    EXPECT_EQ(Anzahl(), 3);

    m_prompts.Answer(PromptAnswer::Yes);
    m_page.OnDelete();
    EXPECT_EQ(m_view.rows, (std::vector<HolidayRow>{{"New Year", "1", "1", "every year"},
                                                    {"Christmas", "25", "12", "every year"}}));
    EXPECT_EQ(Anzahl(), 2);
    EXPECT_EQ(Stored()[1].description, "Christmas");
    EXPECT_EQ(m_prompts.unscripted(), 0);
}

TEST_F(HolidayPage, DeleteTakesTheNewCountFromTheRowsLeft) {
    Add({"New Year", 1, 1, 0});
    Add({"Christmas", 25, 12, 0});
    m_store.WriteInt(kSection, "Anzahl", INT_MAX);  // hand-edited
    m_page.FillList();
    m_view.selected = 0;
    m_prompts.Answer(PromptAnswer::Yes);
    m_page.OnDelete();
    EXPECT_EQ(Anzahl(), 1);
    EXPECT_EQ(Stored(), (std::vector<CHolidayEntry>{{"Christmas", 25, 12, EveryYear}}));
}

TEST(HolidayPageOfAHugeCount, ShowsTheStoredHolidaysAndDeletesTheSelectedRowsOwn) {
    const std::vector<std::string> all{"A", "B", "C"};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        test::RecordingSettingsStore store;
        store.memory.WriteInt(kSection, "Anzahl", INT_MAX);
        const int numbers[] = {1, 2, INT_MAX};  // 3 to INT_MAX - 1: a gap
        for (int i = 0; i < 3; ++i) {
            store.memory.WriteString(kSection, "Description #" + std::to_string(numbers[i]),
                                     all[i]);
        }
        store.readLimit = 2000;  // a read per number up to the count throws
        test::FakeClock clock;
        test::ScriptedPrompts prompts;
        FakeListView view;
        HolidayPageLogic page(store, clock, prompts, view);
        auto shown = [&] {
            std::vector<std::string> descriptions;
            for (const HolidayRow& shownRow : view.rows) {
                descriptions.push_back(shownRow[0]);
            }
            return descriptions;
        };
        page.FillList();
        EXPECT_EQ(shown(), all);

        view.selected = row;
        prompts.Answer(PromptAnswer::Yes);
        page.OnDelete();
        std::vector<std::string> left = all;
        left.erase(left.begin() + row);
        EXPECT_EQ(shown(), left);
        page.FillList();  // the store agrees with the rows
        EXPECT_EQ(shown(), left);
    }
}

TEST_F(HolidayPage, DeleteDatabaseAlwaysAsksAndClearsOnYes) {
    m_prompts.Answer(PromptAnswer::Yes);
    m_page.OnDeleteDatabase();  // asked also when the list is empty
    EXPECT_EQ(Anzahl(), 0);

    Add({"New Year", 1, 1, 0});
    Add({"Christmas", 25, 12, 0});
    m_page.FillList();
    m_prompts.Answer(PromptAnswer::No);
    m_page.OnDeleteDatabase();
    EXPECT_EQ(m_view.RowCount(), 2);
    EXPECT_EQ(Anzahl(), 2);

    m_prompts.Answer(PromptAnswer::Yes);
    m_page.OnDeleteDatabase();
    EXPECT_EQ(m_view.RowCount(), 0);
    EXPECT_EQ(Anzahl(), 0);
    EXPECT_EQ(m_store.ReadInt(kSection, "Day #2", 0), 25);  // values stay in the store

    ASSERT_EQ(m_prompts.shown().size(), 3u);
    for (const auto& shown : m_prompts.shown()) {
        EXPECT_EQ(shown.text, "Are you sure to delete the database ?");
        EXPECT_EQ(shown.title, "Delete database...");
        EXPECT_EQ(shown.icon, PromptIcon::Question);
        EXPECT_EQ(shown.buttons, PromptButtons::YesNo);
    }
}

TEST_F(HolidayPage, PublicHolidaysGoInOnceInOneTransactionAndTheUserIsTold) {
    m_clock.SetLocal(2026, 4, 5, 12, 0, 0);
    Add({"Silvester party", 1, 1, 0});    // every year: Neujahr is present
    Add({"Christmas", 25, 12, 2024});     // this year: present
    Add({"Old Labour day", 1, 5, 2023});  // another year: not present
    m_view.publicYear = 2024;
    m_page.OnInsertPublicHolidays();  // cancelled
    EXPECT_EQ(m_view.publicDialogOpenedWith, std::vector<int>{2026});
    EXPECT_EQ(Anzahl(), 3);

    m_view.publicAccepted = true;
    m_store.FailCommits(1);
    m_page.OnInsertPublicHolidays();
    EXPECT_EQ(Anzahl(), 3);  // nothing half-inserted
    ASSERT_EQ(m_prompts.shown().size(), 1u);
    EXPECT_EQ(m_prompts.shown()[0].title, "Error...");
    EXPECT_EQ(m_prompts.shown()[0].icon, PromptIcon::Stop);

    m_page.OnInsertPublicHolidays();
    ASSERT_EQ(m_prompts.shown().size(), 2u);
    EXPECT_EQ(m_prompts.shown()[1].text,
              "7 public holidays inserted, 2 skipped as already present.");
    EXPECT_EQ(m_prompts.shown()[1].icon, PromptIcon::Information);
    const std::vector<CHolidayEntry> stored = Stored();
    ASSERT_EQ(stored.size(), 10u);
    EXPECT_EQ(stored[3], (CHolidayEntry{"Karfreitag", 29, 3, 2024}));
    EXPECT_EQ(stored[9], (CHolidayEntry{"2. Weihnachtstag", 26, 12, 2024}));
    EXPECT_EQ(m_view.rows.size(), 10u);  // list refilled

    m_page.OnInsertPublicHolidays();  // again: all present
    EXPECT_EQ(m_prompts.shown()[2].text,
              "0 public holidays inserted, 9 skipped as already present.");
    EXPECT_EQ(Anzahl(), 10);
}

}  // namespace
}  // namespace varnolt
