#include "tariff/ScaleManagerLogic.h"

#include <algorithm>
#include <utility>

#include "app/NumberText.h"
#include "app/UiText.h"
#include "tariff/FeeMeter.h"

namespace varnolt {
namespace {

constexpr const char* kRootText = VARNOLT_TEXT("Scales");
constexpr const char* kCycleMessage =
    VARNOLT_TEXT("You have to define a valid cycle for this period !");
constexpr const char* kUnitMessage =
    VARNOLT_TEXT("You have to define a valid unit for this period !");
constexpr const char* kPeriodMessage = VARNOLT_TEXT("This period isn't valid!");
constexpr const char* kQuestionTitle = VARNOLT_TEXT("Scale manager");

const std::vector<std::string> kCycleChoices{"11.5", "12", "12.5", "13.5", "20",
                                             "21.5", "25", "26",   "30",   "45",
                                             "60",   "90", "120",  "150",  "240"};
constexpr int kDefaultCycleChoice = 14;  // "240"
const std::vector<std::string> kUnitChoices{"0.12"};

constexpr std::size_t Cell(ScaleField field) {
    return static_cast<std::size_t>(field);
}

PeriodList OtherList(PeriodList list) {
    return list == PeriodList::Weekday ? PeriodList::Holiday : PeriodList::Weekday;
}

// Why "&Add" refuses the field texts, or nullptr with the four times read.
const char* AddRefusal(const PeriodRow& texts, std::array<int, kTimeFieldMaximum.size()>& times) {
    // A cycle the charge timer cannot run on ("abc", "0") would charge the
    // first unit of the period and never another.
    const std::string& cycle = texts[Cell(ScaleField::Cycle)];
    if (!ScanWholeFloat(cycle) || !CycleMs(cycle)) {
        return kCycleMessage;
    }
    // The meter would read "0,12" as 0: every unit of the period free.
    if (!ScanWholeFloat(texts[Cell(ScaleField::Unit)])) {
        return kUnitMessage;
    }
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (!ScanLeadingInt(texts[i], times[i]) || times[i] < 0 ||
            times[i] > kTimeFieldMaximum[i]) {
            return kPeriodMessage;
        }
    }
    return nullptr;
}

// A time cell as a number; a cell that holds none counts as 0.
int TimeCell(const std::string& text) {
    int value = 0;
    ScanLeadingInt(text, value);
    return value;
}

}  // namespace

int PeriodColumnWidth(int clientWidth) {
    return std::max(0, (clientWidth - 15) / kScaleFieldCount);
}

PeriodRow PeriodRowTexts(const TariffPeriod& period) {
    return {FormatTwoDigits(period.fromHour),
            FormatTwoDigits(period.fromMinute),
            FormatTwoDigits(period.toHour),
            FormatTwoDigits(period.toMinute),
            period.cycle,
            period.unit};
}

void ScaleManagerLogic::OnInitPage() {
    m_view.ChooseList(PeriodList::Weekday);
    m_view.SetUnitCaption(FillText(VARNOLT_TEXT("Unit in %1:"), {m_locale.CurrencySymbol()}));
    m_view.SetChoices(ScaleField::Cycle, kCycleChoices, kDefaultCycleChoice);
    m_view.SetChoices(ScaleField::Unit, kUnitChoices, 0);

    std::vector<ScaleTreeItem> scales;
    for (ScaleId id : kAllScales) {
        scales.push_back(
            {ScaleLabel(id), IsBuiltin(id) ? ScaleIcon::Builtin : ScaleIcon::UserDefined});
    }
    m_view.FillTree({kRootText, ScaleIcon::Root}, scales);
    m_view.SelectTreeItem(ScaleLabel(kAllScales.front()));
}

std::optional<ScaleId> ScaleManagerLogic::SelectedScale() const {
    const std::string text = m_view.SelectedTreeText();
    for (ScaleId id : kAllScales) {
        if (ScaleLabel(id) == text) {
            return id;
        }
    }
    return std::nullopt;
}

void ScaleManagerLogic::OnSelectionChanged() {
    const std::optional<ScaleId> id = SelectedScale();
    if (std::exchange(m_turningBack, false) && id == m_shown) {
        return;  // back on the scale shown, with its edits as they are
    }
    if (!SettleUnsaved()) {
        m_turningBack = true;
        m_view.SelectTreeItem(ScaleLabel(*m_shown));
        return;
    }
    m_shown = id;
    if (id) {
        ShowScale(*id);
    } else {
        ShowNothing();
    }
}

void ScaleManagerLogic::SelectScale(ScaleId id) {
    m_view.SelectTreeItem(ScaleLabel(id));
}

bool ScaleManagerLogic::MayLeave() {
    return SettleUnsaved();
}

std::array<std::vector<PeriodRow>, 2> ScaleManagerLogic::ShownRows() const {
    std::array<std::vector<PeriodRow>, 2> rows;
    for (PeriodList list : {PeriodList::Weekday, PeriodList::Holiday}) {
        for (int i = 0; i < m_view.RowCount(list); ++i) {
            rows[static_cast<std::size_t>(list)].push_back(m_view.Row(list, i));
        }
    }
    return rows;
}

bool ScaleManagerLogic::SettleUnsaved() {
    // Row texts on both sides, so a stored value the fields could not enter
    // counts as it was shown.
    if (!m_shown || IsBuiltin(*m_shown) || ShownRows() == m_storedRows) {
        return true;
    }
    switch (m_prompts.MessageBox(
        FillText(VARNOLT_TEXT("Save the changes to %1?"), {ScaleLabel(*m_shown)}), kQuestionTitle,
        PromptIcon::Question, PromptButtons::SaveDiscardCancel)) {
        case PromptAnswer::Save:
            SaveShown();
            return true;
        case PromptAnswer::Discard:
            ShowScale(*m_shown);
            return true;
        default:
            return false;
    }
}

void ScaleManagerLogic::EnableControls(std::initializer_list<ScaleControl> controls, bool enable) {
    for (ScaleControl control : controls) {
        m_view.EnableControl(control, enable);
    }
}

void ScaleManagerLogic::ClearLists() {
    m_view.ClearRows(PeriodList::Weekday);
    m_view.ClearRows(PeriodList::Holiday);
    m_storedRows = {};
}

void ScaleManagerLogic::CheckDays(const std::array<bool, 7>& flags) {
    for (std::size_t day = 0; day < flags.size(); ++day) {
        m_view.CheckDay(static_cast<int>(day), flags[day]);
    }
}

void ScaleManagerLogic::ShowNothing() {
    ClearLists();
    EnableControls(
        {ScaleControl::WeekdayList, ScaleControl::HolidayList, ScaleControl::TimeFields,
         ScaleControl::Cycle, ScaleControl::Unit, ScaleControl::Add, ScaleControl::Delete,
         ScaleControl::Save, ScaleControl::ListChoice, ScaleControl::DayBoxes},
        false);
    CheckDays({});  // all unchecked
}

void ScaleManagerLogic::ShowScale(ScaleId id) {
    const bool editable = !IsBuiltin(id);
    const TariffScale scale = m_scales.LoadScale(id);
    ClearLists();
    EnableControls(
        {ScaleControl::TimeFields, ScaleControl::Cycle, ScaleControl::Unit, ScaleControl::Add,
         ScaleControl::Delete, ScaleControl::ListChoice, ScaleControl::DayBoxes},
        editable);
    if (editable) {
        EnableChosenList();
    } else {
        // A built-in scale's lists stay enabled, for looking only.
        EnableControls({ScaleControl::WeekdayList, ScaleControl::HolidayList}, true);
    }
    // A scale without periods has nothing to save until one is added.
    m_view.EnableControl(ScaleControl::Save, editable && (!scale.weekdayPeriods.empty() ||
                                                          !scale.holidayPeriods.empty()));
    CheckDays(scale.dayFlags);
    FillList(PeriodList::Weekday, scale.weekdayPeriods);
    FillList(PeriodList::Holiday, scale.holidayPeriods);
    if (!editable) {
        return;
    }
    // The Unit box offers the unit last entered; time fields and Cycle keep theirs.
    std::string unit;
    if (!scale.weekdayPeriods.empty()) {
        unit = scale.weekdayPeriods.back().unit;
    } else if (!scale.holidayPeriods.empty()) {
        unit = scale.holidayPeriods.back().unit;
    }
    m_view.SetFieldText(ScaleField::Unit, unit);
}

void ScaleManagerLogic::FillList(PeriodList list, const std::vector<TariffPeriod>& periods) {
    for (const TariffPeriod& period : periods) {
        m_storedRows[static_cast<std::size_t>(list)].push_back(PeriodRowTexts(period));
        m_view.AppendRow(list, m_storedRows[static_cast<std::size_t>(list)].back());
    }
}

void ScaleManagerLogic::EnableChosenList() {
    const bool weekday = m_view.ChosenList() == PeriodList::Weekday;
    m_view.EnableControl(ScaleControl::WeekdayList, weekday);
    m_view.EnableControl(ScaleControl::HolidayList, !weekday);
}

void ScaleManagerLogic::OnListChoice() {
    EnableChosenList();
}

void ScaleManagerLogic::OnListClicked(PeriodList list) {
    const int row = m_view.SelectedRow(list);
    if (row < 0) {
        return;
    }
    const PeriodRow cells = m_view.Row(list, row);
    for (int field = 0; field < kScaleFieldCount; ++field) {
        m_view.SetFieldText(static_cast<ScaleField>(field), cells[static_cast<std::size_t>(field)]);
    }
}

void ScaleManagerLogic::OnAdd() {
    m_view.EnableControl(ScaleControl::Save, true);
    PeriodRow texts;
    for (int field = 0; field < kScaleFieldCount; ++field) {
        texts[static_cast<std::size_t>(field)] = m_view.FieldText(static_cast<ScaleField>(field));
    }
    const PeriodList target = m_view.ChosenList();

    std::array<int, kTimeFieldMaximum.size()> times{};
    if (const char* refusal = AddRefusal(texts, times)) {
        m_prompts.MessageBox(refusal, VARNOLT_TEXT("Error..."), PromptIcon::Stop,
                             PromptButtons::Ok);
        if (m_view.RowCount(target) == 0 && m_view.RowCount(OtherList(target)) == 0) {
            m_view.EnableControl(ScaleControl::Save, false);
        }
        return;
    }
    PeriodRow row = texts;
    for (std::size_t i = 0; i < times.size(); ++i) {
        row[i] = FormatTwoDigits(times[i]);
    }
    m_view.AppendRow(target, row);
}

void ScaleManagerLogic::OnDelete() {
    const PeriodList target = m_view.ChosenList();
    const int row = m_view.SelectedRow(target);
    if (row >= 0) {
        m_view.DeleteRow(target, row);
    }
}

std::vector<TariffPeriod> ScaleManagerLogic::PeriodsOf(PeriodList list) const {
    std::vector<TariffPeriod> periods;
    const int count = m_view.RowCount(list);
    for (int i = 0; i < count; ++i) {
        const PeriodRow cells = m_view.Row(list, i);
        periods.push_back({TimeCell(cells[Cell(ScaleField::FromHour)]),
                           TimeCell(cells[Cell(ScaleField::FromMinute)]),
                           TimeCell(cells[Cell(ScaleField::ToHour)]),
                           TimeCell(cells[Cell(ScaleField::ToMinute)]),
                           cells[Cell(ScaleField::Cycle)], cells[Cell(ScaleField::Unit)]});
    }
    return periods;
}

void ScaleManagerLogic::OnSave() {
    SaveShown();
}

void ScaleManagerLogic::SaveShown() {
    if (!m_shown || IsBuiltin(*m_shown)) {
        return;
    }
    TariffScale scale{.id = *m_shown};
    for (std::size_t day = 0; day < scale.dayFlags.size(); ++day) {
        scale.dayFlags[day] = m_view.IsDayChecked(static_cast<int>(day));
    }
    scale.weekdayPeriods = PeriodsOf(PeriodList::Weekday);
    scale.holidayPeriods = PeriodsOf(PeriodList::Holiday);
    m_scales.SaveScale(scale);
    m_storedRows = ShownRows();
}

}  // namespace varnolt
