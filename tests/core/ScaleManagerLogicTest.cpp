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
    template <typename E>
    static std::size_t I(E e) {
        return static_cast<std::size_t>(e);
    }

    void SetUnitCaption(const std::string& caption) override { unitCaption = caption; }
    void SetChoices(ScaleField box, const std::vector<std::string>& texts, int selected) override {
        choices[box] = texts;
        fields[I(box)] = texts.at(I(selected));
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
    void EnableControl(ScaleControl control, bool enable) override {
        enable ? (void)enabled.insert(control) : (void)enabled.erase(control);
    }
    std::string FieldText(ScaleField field) const override { return fields[I(field)]; }
    void SetFieldText(ScaleField field, const std::string& text) override {
        fields[I(field)] = text;
    }
    PeriodList ChosenList() const override { return chosen; }
    void ChooseList(PeriodList list) override { chosen = list; }
    bool IsDayChecked(int day) const override { return days.count(day) != 0; }
    void CheckDay(int day, bool checked) override {
        checked ? (void)days.insert(day) : (void)days.erase(day);
    }
    void ClearRows(PeriodList list) override { rows[I(list)].clear(); }
    void AppendRow(PeriodList list, const PeriodRow& row) override { rows[I(list)].push_back(row); }
    void DeleteRow(PeriodList list, int row) override {
        rows[I(list)].erase(rows[I(list)].begin() + row);
    }
    int RowCount(PeriodList list) const override { return static_cast<int>(rows[I(list)].size()); }
    PeriodRow Row(PeriodList list, int row) const override { return rows[I(list)].at(I(row)); }
    int SelectedRow(PeriodList list) const override { return selectedRow[I(list)]; }

    std::function<void()> selectionChanged = [] {};
    std::string unitCaption;
    std::map<ScaleField, std::vector<std::string>> choices;
    std::vector<ScaleTreeItem> tree;
    std::string selected;
    std::set<ScaleControl> enabled;
    PeriodRow fields;
    PeriodList chosen = PeriodList::Holiday;
    std::set<int> days;  // checked, Monday 0
    std::array<Rows, 2> rows;
    std::array<int, 2> selectedRow{-1, -1};
};

constexpr int kSat = 5;
constexpr int kSun = 6;
constexpr PeriodList kWeekday = PeriodList::Weekday;
constexpr PeriodList kHoliday = PeriodList::Holiday;

// The page on a store, opened as on first display.
struct Page {
    explicit Page(SettingsStore& store) : logic(store, locale, prompts, view) {
        view.selectionChanged = [this] { logic.OnSelectionChanged(); };
        logic.OnInitPage();
    }

    void Select(ScaleId id) { view.SelectTreeItem(ScaleLabel(id)); }
    void Choose(PeriodList list) {
        view.ChooseList(list);
        logic.OnListChoice();
    }
    void Add(const PeriodRow& typed) {
        view.fields = typed;
        logic.OnAdd();
    }
    void Delete(PeriodList list, int row) {
        view.selectedRow[FakeScaleView::I(list)] = row;
        logic.OnDelete();
    }
    Rows& List(PeriodList list) { return view.rows[FakeScaleView::I(list)]; }
    bool SaveEnabled() { return view.enabled.count(C::Save) != 0; }

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

TEST(PeriodColumnWidth, SharesTheWidthLessFifteenAndIsNeverNegative) {
    for (auto [client, width] : {std::pair{615, 100}, {620, 100}, {21, 1}, {0, 0}, {-40, 0}}) {
        EXPECT_EQ(PeriodColumnWidth(client), width) << client;
    }
}

TEST_F(ScaleManager, FirstDisplayShowsCityReadOnly) {
    ASSERT_EQ(m_page.view.tree.size(), 8u);
    EXPECT_EQ(m_page.view.tree[0].text, "Scales");
    EXPECT_EQ(m_page.view.tree[0].icon, ScaleIcon::Root);
    for (ScaleId id : kAllScales) {
        const ScaleTreeItem& item = m_page.view.tree[static_cast<std::size_t>(id) + 1];
        EXPECT_EQ(item.text, ScaleLabel(id));
        EXPECT_EQ(item.icon, IsBuiltin(id) ? ScaleIcon::Builtin : ScaleIcon::UserDefined);
    }
    EXPECT_EQ(m_page.view.selected, "Deutsche Telekom City");
    EXPECT_EQ(m_page.view.unitCaption, "Unit in DM:");
    EXPECT_EQ(m_page.view.choices[ScaleField::Cycle],
              (std::vector<std::string>{"11.5", "12", "12.5", "13.5", "20", "21.5", "25", "26",
                                        "30", "45", "60", "90", "120", "150", "240"}));
    EXPECT_EQ(m_page.view.choices[ScaleField::Unit], std::vector<std::string>{"0.12"});
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", "0.12"}));
    EXPECT_EQ(m_page.view.chosen, kWeekday);

    ASSERT_EQ(m_page.List(kWeekday).size(), 5u);
    EXPECT_EQ(m_page.List(kWeekday)[0], (PeriodRow{"00", "00", "05", "00", "240", "0.12"}));
    EXPECT_EQ(m_page.List(kHoliday).size(), 3u);
    EXPECT_EQ(m_page.view.days, (std::set<int>{kSat, kSun}));
    EXPECT_EQ(m_page.view.enabled, (std::set<ScaleControl>{C::WeekdayList, C::HolidayList}));
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_F(ScaleManager, FernShowsItsTableAndTheRootNothing) {
    m_page.Select(ScaleId::Fern);
    EXPECT_EQ(m_page.List(kWeekday).size(), 7u);
    EXPECT_EQ(m_page.List(kHoliday), (Rows{{"00", "00", "24", "00", "36", "0.12"}}));

    m_page.view.SelectTreeItem("Scales");
    EXPECT_TRUE(m_page.List(kWeekday).empty());
    EXPECT_TRUE(m_page.List(kHoliday).empty());
    EXPECT_TRUE(m_page.view.enabled.empty());
    EXPECT_TRUE(m_page.view.days.empty());
}

TEST_F(ScaleManager, AFreshUserScaleOpensEmptyForEditingAndForgetsUnsavedChanges) {
    m_page.Select(ScaleId::User2);
    EXPECT_TRUE(m_page.List(kWeekday).empty());
    EXPECT_TRUE(m_page.List(kHoliday).empty());
    EXPECT_EQ(m_page.view.days, (std::set<int>{kSat, kSun}));
    EXPECT_EQ(m_page.view.enabled,
              (std::set<ScaleControl>{C::TimeFields, C::Cycle, C::Unit, C::Add, C::Delete,
                                      C::ListChoice, C::DayBoxes, C::WeekdayList}));
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", ""}));

    // A day box changed without saving is lost on reselection; day boxes are
    // no periods, and a period added and deleted again is none either.
    m_page.view.CheckDay(0, true);
    m_page.Add({"0", "0", "24", "0", "90", "0.12"});
    m_page.Delete(kWeekday, 0);
    m_page.Select(ScaleId::City);
    m_page.Select(ScaleId::User2);
    EXPECT_EQ(m_page.view.days, (std::set<int>{kSat, kSun}));
    EXPECT_TRUE(m_page.logic.MayLeave());
    EXPECT_TRUE(m_page.prompts.shown().empty());
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_F(ScaleManager, AStoredScaleShowsItsListsDaysAndLastUnit) {
    TariffScale scale{.id = ScaleId::User3};
    scale.dayFlags = {true, false, false, false, false, false, true};
    scale.weekdayPeriods = {{0, 0, 9, 0, "60", "0.06"}, {9, 0, 24, 0, "30", "0.08"}};
    scale.holidayPeriods = {{0, 0, 24, 0, "240", "0.04"}};
    Store(scale);
    m_page.view.fields = {"7", "", "", "", "45", ""};
    m_page.Select(ScaleId::User3);
    EXPECT_EQ(m_page.List(kWeekday), (Rows{{"00", "00", "09", "00", "60", "0.06"},
                                           {"09", "00", "24", "00", "30", "0.08"}}));
    EXPECT_EQ(m_page.List(kHoliday), (Rows{{"00", "00", "24", "00", "240", "0.04"}}));
    EXPECT_EQ(m_page.view.days, (std::set<int>{0, kSun}));
    EXPECT_TRUE(m_page.SaveEnabled());
    // The last weekday unit; time fields and Cycle keep what they held.
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"7", "", "", "", "45", "0.08"}));

    scale.weekdayPeriods.clear();
    Store(scale);
    m_page.Select(ScaleId::User3);
    EXPECT_EQ(m_page.view.fields[5], "0.04");
    EXPECT_TRUE(m_page.SaveEnabled());
}

TEST_F(ScaleManager, AddAppendsTheTypedPeriodWithoutTouchingTheStore) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"9", "0", "18", "0", "90", "0.12"});
    m_page.Add({" 24h", "60", "+24", "060", " 21.5 ", "1e-1"});
    EXPECT_EQ(m_page.List(kWeekday), (Rows{{"09", "00", "18", "00", "90", "0.12"},
                                           {"24", "60", "24", "60", " 21.5 ", "1e-1"}}));
    EXPECT_TRUE(m_page.List(kHoliday).empty());
    EXPECT_TRUE(m_page.SaveEnabled());
    EXPECT_TRUE(m_page.prompts.shown().empty());
    EXPECT_TRUE(m_store.writes.empty());
}

TEST(ScaleManagerAdd, RefusesWithTheFirstFailingCheckAndLeavesTheListsAlone) {
    const char* cycle = "You have to define a valid cycle for this period !";
    const char* unit = "You have to define a valid unit for this period !";
    const char* period = "This period isn't valid!";
    const std::pair<PeriodRow, const char*> cases[] = {
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
        {{"", "0", "18", "0", "90", "0.12"}, period},
        {{"9", "0", "18", "x", "90", "0.12"}, period},
    };
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(testing::PrintToString(typed));
        test::MemorySettingsStore store;
        Page page(store);
        page.Select(ScaleId::User1);
        page.Add(typed);
        ASSERT_EQ(page.prompts.shown().size(), 1u);
        EXPECT_EQ(page.prompts.shown()[0].text, message);
        EXPECT_EQ(page.prompts.shown()[0].title, "Error...");
        EXPECT_EQ(page.prompts.shown()[0].icon, PromptIcon::Stop);
        EXPECT_TRUE(page.List(kWeekday).empty());
        EXPECT_FALSE(page.SaveEnabled());  // both lists are empty
        EXPECT_EQ(page.view.fields, typed);
    }
}

TEST_F(ScaleManager, TheSundayRadioButtonMakesTheSundayListTheTargetOfAddAndDelete) {
    m_page.Select(ScaleId::User1);
    m_page.Add({"0", "0", "24", "0", "90", "0.12"});
    m_page.Choose(kHoliday);
    EXPECT_FALSE(m_page.view.enabled.count(C::WeekdayList));
    EXPECT_TRUE(m_page.view.enabled.count(C::HolidayList));

    m_page.Add({"0", "0", "24", "0", "", "0.12"});  // refused: the other list keeps Save on
    EXPECT_TRUE(m_page.SaveEnabled());
    m_page.Add({"0", "0", "12", "0", "60", "0.1"});
    m_page.Add({"12", "0", "24", "0", "45", "0.2"});
    m_page.view.selectedRow = {0, 0};
    m_page.logic.OnDelete();
    EXPECT_EQ(m_page.List(kHoliday), (Rows{{"12", "00", "24", "00", "45", "0.2"}}));
    EXPECT_EQ(m_page.List(kWeekday).size(), 1u);
    m_page.Delete(kHoliday, -1);  // no row selected: nothing
    EXPECT_EQ(m_page.List(kHoliday).size(), 1u);
    EXPECT_TRUE(m_page.SaveEnabled());
    EXPECT_EQ(m_page.prompts.shown().size(), 1u);

    m_page.Select(ScaleId::User2);  // the choice stays
    EXPECT_FALSE(m_page.view.enabled.count(C::WeekdayList));
    EXPECT_TRUE(m_page.view.enabled.count(C::HolidayList));
}

TEST_F(ScaleManager, SaveWritesBothListsAndTheDayBoxesInOneTransaction) {
    m_page.logic.OnSave();  // a built-in scale: nothing
    m_page.Select(ScaleId::User2);
    m_page.Add({"0", "0", "9", "30", "60", "0.06"});
    m_page.Choose(kHoliday);
    m_page.Add({"0", "0", "24", "0", "240", "0.04"});
    m_page.view.CheckDay(kSat, false);
    m_page.view.CheckDay(2, true);
    m_page.logic.OnSave();

    TariffScale expected{.id = ScaleId::User2};
    expected.dayFlags = {false, false, true, false, false, false, true};
    expected.weekdayPeriods = {{0, 0, 9, 30, "60", "0.06"}};
    expected.holidayPeriods = {{0, 0, 24, 0, "240", "0.04"}};
    EXPECT_EQ(Stored(ScaleId::User2), expected);
    ASSERT_FALSE(m_store.writes.empty());
    EXPECT_EQ(m_store.writes.front(), "BEGIN");
    EXPECT_EQ(m_store.writes.back(), "END");
    EXPECT_EQ(std::count(m_store.writes.begin(), m_store.writes.end(), "BEGIN"), 1);
}

TEST_F(ScaleManager, DeletingEveryRowThenSavingStoresEmptyLists) {
    TariffScale scale{.id = ScaleId::User1};
    scale.weekdayPeriods = {{0, 0, 12, 0, "60", "0.1"}, {12, 0, 24, 0, "30", "0.2"}};
    scale.holidayPeriods = {{0, 0, 24, 0, "240", "0.1"}};
    Store(scale);
    m_page.Select(ScaleId::User1);
    m_page.Delete(kWeekday, 1);
    m_page.Delete(kWeekday, 0);
    m_page.Choose(kHoliday);
    m_page.Delete(kHoliday, 0);
    m_page.logic.OnSave();
    EXPECT_EQ(m_store.memory.ReadInt(kSection, "Weekday", -1), 0);
    EXPECT_EQ(m_store.memory.ReadInt(kSection, "Holiday", -1), 0);
    EXPECT_EQ(m_store.memory.ReadString(kSection, "W-1 Cycle", "-"), "30");  // left in place
}

TEST_F(ScaleManager, StoredValuesThePageCannotEnterAreShownAndSavedBackAsTheyAre) {
    TariffScale scale{.id = ScaleId::User1};
    scale.weekdayPeriods = {{-5, 75, 30, 0, "abc", "0,12"}, {1, 2, 3, 4, "", " "}};
    Store(scale);
    m_page.Select(ScaleId::User1);
    EXPECT_EQ(m_page.List(kWeekday),
              (Rows{{"-05", "75", "30", "00", "abc", "0,12"}, {"01", "02", "03", "04", "", " "}}));
    m_page.logic.OnSave();
    EXPECT_EQ(Stored(ScaleId::User1), scale);
}

TEST_F(ScaleManager, AClickIntoAListCopiesTheSelectedRowIntoTheFields) {
    m_page.logic.OnListClicked(kWeekday);  // nothing selected
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"", "", "", "", "240", "0.12"}));
    m_page.view.selectedRow = {2, -1};
    m_page.logic.OnListClicked(kWeekday);
    EXPECT_EQ(m_page.view.fields, (PeriodRow{"09", "00", "18", "00", "90", "0.12"}));
}

// Periods added and not saved, on the way to another scale or off the page
// (closing the sheet leaves it too): asked about, and each answer leads its way.
TEST(ScaleManagerUnsaved, EveryWayOffTheScaleAsksAndFollowsTheAnswer) {
    using A = PromptAnswer;
    const struct {
        bool otherScale;
        A answer;
        std::size_t stored, shown;  // weekday periods in the store and in the list
        bool goesOn;
    } cases[] = {{true, A::Save, 2, 0, true},     {true, A::Discard, 1, 0, true},
                 {true, A::Cancel, 1, 2, false},  {false, A::Save, 2, 2, true},
                 {false, A::Discard, 1, 1, true}, {false, A::Cancel, 1, 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.otherScale << " " << static_cast<int>(c.answer));
        test::MemorySettingsStore store;
        ASSERT_TRUE(CScaleStore(store).SaveScale({.id = ScaleId::User3, .weekdayPeriods = {{}}}));
        Page page(store);
        page.Select(ScaleId::User3);
        page.Add({"12", "0", "24", "0", "30", "0.2"});
        page.prompts.Answer(c.answer);
        if (c.otherScale) {
            page.Select(ScaleId::User2);
        }
        const bool wentOn =
            c.otherScale ? page.view.selected == ScaleLabel(ScaleId::User2) : page.logic.MayLeave();
        ASSERT_EQ(page.prompts.shown().size(), 1u);
        EXPECT_EQ(page.prompts.shown()[0].text, "Save the changes to Userdefined scale #3?");
        EXPECT_EQ(page.prompts.shown()[0].buttons, PromptButtons::SaveDiscardCancel);
        EXPECT_EQ(CScaleStore(store).LoadScale(ScaleId::User3).weekdayPeriods.size(), c.stored);
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(page.List(kWeekday).size(), c.shown);
    }
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

    page.Delete(kWeekday, 0);
    page.Add({"0", "0", "24", "0", "20", "0.30"});
    page.logic.OnSave();
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 20000);
    EXPECT_FLOAT_EQ(call.charges().back().price, 0.30f);
}

}  // namespace
}  // namespace varnolt
