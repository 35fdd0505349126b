#pragma once

#include <array>
#include <string>
#include <vector>

namespace varnolt {

// The two period lists of the page, each under its radio button.
enum class PeriodList { Weekday, Holiday };

// The texts the page reads and fills: the four time fields, then the Cycle and
// Unit boxes. A list row has its cells in the same order.
enum class ScaleField { FromHour, FromMinute, ToHour, ToMinute, Cycle, Unit };
inline constexpr int kScaleFieldCount = 6;
using PeriodRow = std::array<std::string, kScaleFieldCount>;

// Controls that are enabled and disabled as one.
enum class ScaleControl {
    TimeFields,  // the four time fields with their up-down controls
    Cycle,
    Unit,
    Add,
    Delete,
    Save,
    ListChoice,  // both radio buttons
    DayBoxes,    // all seven
    WeekdayList,
    HolidayList,
};

// The small picture of a scale tree item.
enum class ScaleIcon { Root, Builtin, UserDefined };

struct ScaleTreeItem {
    std::string text;
    ScaleIcon icon;
};

// What the Scale manager's logic needs of the page's controls.
class ScaleManagerView {
public:
    virtual ~ScaleManagerView() = default;

    virtual void SetUnitCaption(const std::string& caption) = 0;
    // Fills the Cycle or Unit box with its choices and selects one.
    virtual void SetChoices(ScaleField box, const std::vector<std::string>& choices,
                            int selected) = 0;
    // Builds the tree: the root with the scales below it, expanded.
    virtual void FillTree(const ScaleTreeItem& root, const std::vector<ScaleTreeItem>& scales) = 0;
    // Selects the item with this text; the selection handler runs as it would
    // for a click.
    virtual void SelectTreeItem(const std::string& text) = 0;
    // The selected item's text; empty when nothing is selected.
    virtual std::string SelectedTreeText() const = 0;

    virtual void EnableControl(ScaleControl control, bool enable) = 0;

    virtual std::string FieldText(ScaleField field) const = 0;
    virtual void SetFieldText(ScaleField field, const std::string& text) = 0;

    // The list whose radio button is checked.
    virtual PeriodList ChosenList() const = 0;
    virtual void ChooseList(PeriodList list) = 0;

    // Day boxes by position, Monday 0 to Sunday 6.
    virtual bool IsDayChecked(int day) const = 0;
    virtual void CheckDay(int day, bool checked) = 0;

    virtual void ClearRows(PeriodList list) = 0;
    virtual void AppendRow(PeriodList list, const PeriodRow& row) = 0;
    virtual void DeleteRow(PeriodList list, int row) = 0;
    virtual int RowCount(PeriodList list) const = 0;
    virtual PeriodRow Row(PeriodList list, int row) const = 0;
    // The first selected row, or -1 when none is selected.
    virtual int SelectedRow(PeriodList list) const = 0;
};

}  // namespace varnolt
