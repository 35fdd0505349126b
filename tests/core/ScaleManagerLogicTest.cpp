#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "FixedLocale.h"
#include "MeteredCall.h"
#include "RecordingSettingsStore.h"
#include "ScriptedPrompts.h"
#include "tariff/ScaleManagerLogic.h"

namespace varnolt {
namespace {

using C = ScaleControl;
using Rows = std::vector<PeriodRow>;

const std::string kSection = "__Scale manager";

// The page's controls held in memory. Selecting a tree item runs the handler,
// as the toolkit does.
class FakeScaleView final : public ScaleManagerView {
public:
    void SetUnitCaption(const std::string& caption) override { unitCaption = caption; }
    void SetChoices(ScaleField box, const std::vector<std::string>& texts, int selected) override {
        choices[box] = texts;
        Field(box) = texts.at(static_cast<std::size_t>(selected));
    }
    void FillTree(const ScaleTreeItem& root, const std::vector<ScaleTreeItem>& scales) override {
        tree = {root};
        tree.insert(tree.end(), scales.begin(), scales.end());
    }
    void SelectTreeItem(const std::string& text) override {
        selected = text;
        selectionChanged();
    }
    std::string SelectedTreeText() const override { return selected; }
    void EnableControl(ScaleControl control, bool enable) override { enabled[control] = enable; }
    std::string FieldText(ScaleField field) const override {
        return fields[static_cast<std::size_t>(field)];
    }
    void SetFieldText(ScaleField field, const std::string& text) override { Field(field) = text; }
    PeriodList ChosenList() const override { return chosen; }
    void ChooseList(PeriodList list) override { chosen = list; }
    bool IsDayChecked(int day) const override { return days.at(static_cast<std::size_t>(day)); }
    void CheckDay(int day, bool checked) override {
        days.at(static_cast<std::size_t>(day)) = checked;
    }
    void ClearRows(PeriodList list) override {
        RowsOf(list).clear();
        SelectedOf(list) = -1;
    }
    void AppendRow(PeriodList list, const PeriodRow& row) override { RowsOf(list).push_back(row); }
    void DeleteRow(PeriodList list, int row) override {
        RowsOf(list).erase(RowsOf(list).begin() + row);
        SelectedOf(list) = -1;
    }
    int RowCount(PeriodList list) const override {
        return static_cast<int>(rows[static_cast<int>(list)].size());
    }
    PeriodRow Row(PeriodList list, int row) const override {
        return rows[static_cast<int>(list)].at(static_cast<std::size_t>(row));
    }
    int SelectedRow(PeriodList list) const override { return selectedRow[static_cast<int>(list)]; }

    std::string& Field(ScaleField field) { return fields[static_cast<std::size_t>(field)]; }
    Rows& RowsOf(PeriodList list) { return rows[static_cast<int>(list)]; }
    int& SelectedOf(PeriodList list) { return selectedRow[static_cast<int>(list)]; }
    std::set<ScaleControl> Enabled() const {
        std::set<ScaleControl> on;
        for (const auto& [control, enable] : enabled) {
            if (enable) {
                on.insert(control);
            }
        }
        return on;
    }
    std::vector<int> CheckedDays() const {
        std::vector<int> checked;
        for (int day = 0; day < 7; ++day) {
            if (days[static_cast<std::size_t>(day)]) {
                checked.push_back(day);
            }
        }
        return checked;
    }

    std::function<void()> selectionChanged = [] {};
    std::string unitCaption;
    std::map<ScaleField, std::vector<std::string>> choices;
    std::vector<ScaleTreeItem> tree;
    std::string selected;
    std::map<ScaleControl, bool> enabled;
    PeriodRow fields;
    PeriodList chosen = PeriodList::Holiday;
    std::array<bool, 7> days{};
    Rows rows[2];
    int selectedRow[2] = {-1, -1};
};

constexpr int kSat = 5;
constexpr int kSun = 6;

const std::set<ScaleControl> kEditing{C::TimeFields, C::Cycle,      C::Unit,     C::Add,
                                      C::Delete,     C::ListChoice, C::DayBoxes, C::WeekdayList};

// The page on a store, opened as on first display.
struct Page {
    explicit Page(SettingsStore& store) : logic(store, locale, prompts, view) {
        view.selectionChanged = [this] { logic.OnSelectionChanged(); };
        logic.OnInitPage();
    }

    void Select(ScaleId id) { view.SelectTreeItem(ScaleLabel(id)); }
    void Type(const PeriodRow& texts) { view.fields = texts; }
    void Add(const PeriodRow& texts) {
        Type(texts);
        logic.OnAdd();
    }
    Rows& Weekday() { return view.RowsOf(PeriodList::Weekday); }
    Rows& Holiday() { return view.RowsOf(PeriodList::Holiday); }
    bool SaveEnabled() { return view.enabled[C::Save]; }

    test::FixedLocale locale{"DM"};
    test::ScriptedPrompts prompts;
    FakeScaleView view;
    ScaleManagerLogic logic;
};

class ScaleManager : public ::testing::Test {
protected:
    void Store(const TariffScale& scale) {
        ASSERT_TRUE(CScaleStore(m_store.memory).SaveScale(scale));
    }
    TariffScale Stored(ScaleId id) { return CScaleStore(m_store.memory).LoadScale(id); }

    test::RecordingSettingsStore m_store;
    Page m_page{m_store};
};

TEST(PeriodColumnWidth, SharesTheListWidthLessFifteenAndIsNeverNegative) {
    for (auto [client, width] :
         {std::pair{615, 100}, {620, 100}, {21, 1}, {20, 0}, {0, 0}, {-40, 0}}) {
        EXPECT_EQ(PeriodColumnWidth(client), width) << client;
    }
}

TEST_F(ScaleManager, FirstDisplayShowsCityReadOnly) {
    ASSERT_EQ(m_page.view.tree.size(), 8u);
    EXPECT_EQ(m_page.view.tree[0].text, "Scales");
    const char* labels[] = {"Deutsche Telekom City",     "Deutsche Telekom Reg. 50",
                            "Deutsche Telekom Reg. 200", "Deutsche Telekom Fern",
                            "Userdefined scale #1",      "Userdefined scale #2",
                            "Userdefined scale #3"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(m_page.view.tree[i + 1].text, labels[i]);
        EXPECT_EQ(m_page.view.tree[i + 1].icon,
                  i < 4 ? ScaleIcon::Builtin : ScaleIcon::UserDefined);
    }
    EXPECT_EQ(m_page.view.tree[0].icon, ScaleIcon::Root);
    EXPECT_EQ(m_page.view.selected, "Deutsche Telekom City");

    EXPECT_EQ(m_page.view.unitCaption, "Unit in DM:");
    EXPECT_EQ(m_page.view.choices[ScaleField::Cycle],
              (std::vector<std::string>{"11.5", "12", "12.5", "13.5", "20", "21.5", "25", "26",
                                        "30", "45", "60", "90", "120", "150", "240"}));
    EXPECT_EQ(m_page.view.choices[ScaleField::Unit], std::vector<std::string>{"0.12"});
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", "0.12"}));
    EXPECT_EQ(m_page.view.chosen, PeriodList::Weekday);

    ASSERT_EQ(m_page.Weekday().size(), 5u);
    EXPECT_EQ(m_page.Weekday()[0], (PeriodRow{"00", "00", "05", "00", "240", "0.12"}));
    EXPECT_EQ(m_page.Weekday()[4], (PeriodRow{"21", "00", "24", "00", "240", "0.12"}));
    EXPECT_EQ(m_page.Holiday().size(), 3u);
    EXPECT_EQ(m_page.view.CheckedDays(), (std::vector<int>{kSat, kSun}));
    EXPECT_EQ(m_page.view.Enabled(), (std::set<ScaleControl>{C::WeekdayList, C::HolidayList}));
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_F(ScaleManager, FernShowsSevenWeekdayRowsAndOneWholeDaySundayRow) {
    m_page.Select(ScaleId::Fern);
    EXPECT_EQ(m_page.Weekday().size(), 7u);
    EXPECT_EQ(m_page.Weekday()[2], (PeriodRow{"05", "00", "09", "00", "21.5", "0.12"}));
    EXPECT_EQ(m_page.Holiday(), (Rows{{"00", "00", "24", "00", "36", "0.12"}}));
}

TEST_F(ScaleManager, TheRootShowsNothingAndDisablesEverything) {
    m_page.view.SelectTreeItem("Scales");
    EXPECT_TRUE(m_page.Weekday().empty());
    EXPECT_TRUE(m_page.Holiday().empty());
    EXPECT_TRUE(m_page.view.Enabled().empty());
    EXPECT_TRUE(m_page.view.CheckedDays().empty());
}

TEST_F(ScaleManager, AFreshUserScaleOpensEmptyForEditingWithSaveDisabled) {
    m_page.Select(ScaleId::User2);
    EXPECT_TRUE(m_page.Weekday().empty());
    EXPECT_TRUE(m_page.Holiday().empty());
    EXPECT_EQ(m_page.view.CheckedDays(), (std::vector<int>{kSat, kSun}));
    EXPECT_EQ(m_page.view.Enabled(), kEditing);
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", ""}));
}

TEST_F(ScaleManager, AStoredScaleShowsItsListsDaysAndLastUnit) {
    TariffScale scale{.id = ScaleId::User3};
    scale.dayFlags = {true, false, false, false, false, false, true};
    scale.weekdayPeriods = {{0, 0, 9, 0, "60", "0.06"}, {9, 0, 24, 0, "30", "0.08"}};
    scale.holidayPeriods = {{0, 0, 24, 0, "240", "0.04"}};
    Store(scale);
    m_page.view.Field(ScaleField::FromHour) = "7";
    m_page.view.Field(ScaleField::Cycle) = "45";

    m_page.Select(ScaleId::User3);
    EXPECT_EQ(m_page.Weekday(), (Rows{{"00", "00", "09", "00", "60", "0.06"},
                                      {"09", "00", "24", "00", "30", "0.08"}}));
    EXPECT_EQ(m_page.Holiday(), (Rows{{"00", "00", "24", "00", "240", "0.04"}}));
    EXPECT_EQ(m_page.view.CheckedDays(), (std::vector<int>{0, kSun}));
    EXPECT_TRUE(m_page.SaveEnabled());
    // The last weekday unit; time fields and Cycle keep what they held.
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"7", "", "", "", "45", "0.08"}));

    scale.weekdayPeriods.clear();
    Store(scale);
    m_page.Select(ScaleId::User3);
    EXPECT_EQ(m_page.view.Field(ScaleField::Unit), "0.04");
    EXPECT_TRUE(m_page.SaveEnabled());
}

TEST_F(ScaleManager, AddAppendsTheTypedPeriodWithoutTouchingTheStore) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"9", "0", "18", "0", "90", "0.12"});
    m_page.Add({" 24h", "60", "+24", "060", " 21.5 ", "1e-1"});
    EXPECT_EQ(m_page.Weekday(), (Rows{{"09", "00", "18", "00", "90", "0.12"},
                                      {"24", "60", "24", "60", " 21.5 ", "1e-1"}}));
    EXPECT_TRUE(m_page.Holiday().empty());
    EXPECT_TRUE(m_page.SaveEnabled());
    EXPECT_TRUE(m_page.prompts.shown().empty());
    EXPECT_TRUE(m_store.writes.empty());
}

TEST(ScaleManagerAdd, RefusesWithTheFirstFailingCheckAndLeavesTheListsAlone) {
    struct Case {
        PeriodRow typed;
        const char* message;
    };
    const char* cycle = "You have to define a valid cycle for this period !";
    const char* unit = "You have to define a valid unit for this period !";
    const char* period = "This period isn't valid!";
    const Case cases[] = {
        {{"9", "0", "18", "0", "", "0.12"}, cycle},
        {{"25", "0", "18", "0", "", ""}, cycle},  // cycle before unit before times
        {{"9", "0", "18", "0", "abc", "0.12"}, cycle},
        {{"9", "0", "18", "0", "0", "0.12"}, cycle},
        {{"9", "0", "18", "0", "-90", "0.12"}, cycle},
        {{"9", "0", "18", "0", "0.0001", "0.12"}, cycle},  // too short for the charge timer
        {{"9", "0", "18", "0", "90s", "0.12"}, cycle},
        {{"9", "0", "18", "0", "   ", "0.12"}, cycle},
        {{"9", "0", "18", "0", "90", ""}, unit},
        {{"25", "0", "18", "0", "90", "0,12"}, unit},
        {{"9", "0", "18", "0", "90", "cheap"}, unit},
        {{"9", "0", "25", "0", "90", "0.12"}, period},
        {{"9", "61", "18", "0", "90", "0.12"}, period},
        {{"-1", "0", "18", "0", "90", "0.12"}, period},
        {{"9", "0", "18", "-1", "90", "0.12"}, period},
        {{"", "0", "18", "0", "90", "0.12"}, period},
        {{"9", "0", "18", "x", "90", "0.12"}, period},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        test::MemorySettingsStore store;
        Page page(store);
        page.Select(ScaleId::User1);
        page.Add(c.typed);
        ASSERT_EQ(page.prompts.shown().size(), 1u);
        EXPECT_EQ(page.prompts.shown()[0].text, c.message);
        EXPECT_EQ(page.prompts.shown()[0].title, "Error...");
        EXPECT_EQ(page.prompts.shown()[0].icon, PromptIcon::Stop);
        EXPECT_EQ(page.prompts.shown()[0].buttons, PromptButtons::Ok);
        EXPECT_TRUE(page.Weekday().empty());
        EXPECT_FALSE(page.SaveEnabled());  // both lists are empty
        EXPECT_EQ(page.view.fields, c.typed);
    }
}

TEST_F(ScaleManager, ARefusedAddKeepsSaveEnabledWhileEitherListHasRows) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"9", "0", "18", "0", "90", "0.12"});
    m_page.view.ChooseList(PeriodList::Holiday);
    m_page.logic.OnListChoice();
    m_page.Add({"9", "0", "18", "0", "", "0.12"});  // the target list is empty, the other not
    EXPECT_EQ(m_page.prompts.shown().size(), 1u);
    EXPECT_TRUE(m_page.SaveEnabled());
}

TEST_F(ScaleManager, TheSundayRadioButtonMakesTheSundayListTheTarget) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"0", "0", "24", "0", "90", "0.12"});
    m_page.view.ChooseList(PeriodList::Holiday);
    m_page.logic.OnListChoice();
    EXPECT_FALSE(m_page.view.enabled[C::WeekdayList]);
    EXPECT_TRUE(m_page.view.enabled[C::HolidayList]);

    m_page.Add({"0", "0", "12", "0", "60", "0.1"});
    m_page.Add({"12", "0", "24", "0", "45", "0.2"});
    m_page.view.SelectedOf(PeriodList::Weekday) = 0;
    m_page.view.SelectedOf(PeriodList::Holiday) = 0;
    m_page.logic.OnDelete();
    EXPECT_EQ(m_page.Holiday(), (Rows{{"12", "00", "24", "00", "45", "0.2"}}));
    EXPECT_EQ(m_page.Weekday().size(), 1u);

    // The choice stays for the next scale opened.
    m_page.Select(ScaleId::User2);
    EXPECT_FALSE(m_page.view.enabled[C::WeekdayList]);
    EXPECT_TRUE(m_page.view.enabled[C::HolidayList]);
}

TEST_F(ScaleManager, DeleteWithoutASelectedRowDoesNothing) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"0", "0", "24", "0", "90", "0.12"});
    m_page.logic.OnDelete();
    EXPECT_EQ(m_page.Weekday().size(), 1u);
    EXPECT_TRUE(m_page.SaveEnabled());
    EXPECT_TRUE(m_page.prompts.shown().empty());
}

TEST_F(ScaleManager, SaveWritesBothListsAndTheDayBoxesInOneTransaction) {
    m_page.Select(ScaleId::User2);
    m_page.Add({"0", "0", "9", "30", "60", "0.06"});
    m_page.Add({"9", "30", "24", "0", "21.5", "0.12"});
    m_page.view.ChooseList(PeriodList::Holiday);
    m_page.logic.OnListChoice();
    m_page.Add({"0", "0", "24", "0", "240", "0.04"});
    m_page.view.CheckDay(kSat, false);
    m_page.view.CheckDay(2, true);
    m_page.logic.OnSave();

    TariffScale expected{.id = ScaleId::User2};
    expected.dayFlags = {false, false, true, false, false, false, true};
    expected.weekdayPeriods = {{0, 0, 9, 30, "60", "0.06"}, {9, 30, 24, 0, "21.5", "0.12"}};
    expected.holidayPeriods = {{0, 0, 24, 0, "240", "0.04"}};
    EXPECT_EQ(Stored(ScaleId::User2), expected);
    ASSERT_FALSE(m_store.writes.empty());
    EXPECT_EQ(m_store.writes.front(), "BEGIN");
    EXPECT_EQ(m_store.writes.back(), "END");
    EXPECT_EQ(std::count(m_store.writes.begin(), m_store.writes.end(), "BEGIN"), 1);
}

TEST_F(ScaleManager, SaveOnABuiltinScaleOrTheRootWritesNothing) {
    m_page.logic.OnSave();
    m_page.view.SelectTreeItem("Scales");
    m_page.logic.OnSave();
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_F(ScaleManager, DeletingEveryRowThenSavingStoresEmptyLists) {
    TariffScale scale{.id = ScaleId::User1};
    scale.weekdayPeriods = {{0, 0, 12, 0, "60", "0.1"}, {12, 0, 24, 0, "30", "0.2"}};
    scale.holidayPeriods = {{0, 0, 24, 0, "240", "0.1"}};
    Store(scale);
    m_page.Select(ScaleId::User1);
    for (PeriodList list : {PeriodList::Weekday, PeriodList::Holiday}) {
        m_page.view.ChooseList(list);
        while (m_page.view.RowCount(list) > 0) {
            m_page.view.SelectedOf(list) = m_page.view.RowCount(list) - 1;
            m_page.logic.OnDelete();
        }
    }
    EXPECT_TRUE(m_page.SaveEnabled());
    m_page.logic.OnSave();
    EXPECT_EQ(m_store.memory.ReadInt(kSection, "Weekday", -1), 0);
    EXPECT_EQ(m_store.memory.ReadInt(kSection, "Holiday", -1), 0);
    EXPECT_EQ(m_store.memory.ReadString(kSection, "W-1 Cycle", "-"), "30");  // left in place
}

TEST_F(ScaleManager, AnUnsavedDayBoxChangeIsLostOnReselection) {
    m_page.Select(ScaleId::User1);
    m_page.view.CheckDay(0, true);
    m_page.Select(ScaleId::City);
    m_page.Select(ScaleId::User1);
    EXPECT_EQ(m_page.view.CheckedDays(), (std::vector<int>{kSat, kSun}));
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_F(ScaleManager, StoredValuesThePageCannotEnterAreShownAndSavedBackAsTheyAre) {
    TariffScale scale{.id = ScaleId::User1};
    scale.weekdayPeriods = {{-5, 75, 30, 0, "abc", "0,12"}, {1, 2, 3, 4, "", " "}};
    Store(scale);
    m_page.Select(ScaleId::User1);
    EXPECT_EQ(m_page.Weekday(),
              (Rows{{"-05", "75", "30", "00", "abc", "0,12"}, {"01", "02", "03", "04", "", " "}}));
    m_page.logic.OnSave();
    EXPECT_EQ(Stored(ScaleId::User1), scale);
}

TEST_F(ScaleManager, AClickIntoAListCopiesTheSelectedRowIntoTheFields) {
    m_page.logic.OnListClicked(PeriodList::Weekday);  // nothing selected
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", "0.12"}));

    m_page.view.SelectedOf(PeriodList::Weekday) = 2;
    m_page.logic.OnListClicked(PeriodList::Weekday);
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"09", "00", "18", "00", "90", "0.12"}));
    EXPECT_FALSE(m_page.view.enabled[C::TimeFields]);
}

// The meter reads the store at every evaluation, so a save acts on a running call.
TEST(ScaleManagerSave, TheMeterPricesASavedScaleAtItsNextTick) {
    test::ScopedTimeZone utc("UTC");
    test::MeteredCall call;
    call.store.WriteString("Own", "Scale", "Userdefined scale #2");
    Page page(call.store);
    page.Select(ScaleId::User2);
    page.Add({"0", "0", "24", "0", "60", "0.10"});
    page.logic.OnSave();

    call.BeginAt("Own", 2026, 12, 8, 10, 0, 0);  // a Tuesday
    call.Advance(1500);
    EXPECT_EQ(call.meter.RunningCycleMs(), 60000);

    page.view.SelectedOf(PeriodList::Weekday) = 0;
    page.logic.OnDelete();
    page.Add({"0", "0", "24", "0", "20", "0.30"});
    page.logic.OnSave();
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 20000);
    call.Advance(20000);
    ASSERT_FALSE(call.charges().empty());
    EXPECT_FLOAT_EQ(call.charges().back().price, 0.30f);
}

}  // namespace
}  // namespace varnolt
