#pragma once

#include <array>
#include <initializer_list>
#include <optional>

#include "app/UiText.h"
#include "platform/Locale.h"
#include "platform/Prompts.h"
#include "tariff/CScaleStore.h"
#include "tariff/ScaleManagerView.h"

namespace varnolt {

// The up-down ranges of the time fields, From hour, From minute, To hour and
// To minute; "&Add" accepts the same.
inline constexpr std::array<int, 4> kTimeFieldMaximum{24, 60, 24, 60};

inline constexpr const char* kPeriodColumnHeadings[kScaleFieldCount] = {
    VARNOLT_TEXT("From (hour)"), VARNOLT_TEXT("From (min.)"),  VARNOLT_TEXT("To (hour)"),
    VARNOLT_TEXT("To (min.)"),   VARNOLT_TEXT("Cycle (sec.)"), VARNOLT_TEXT("Unit")};

// Every column of both lists is this wide for the Sunday/holiday list's client
// width; never negative.
int PeriodColumnWidth(int clientWidth);

// The texts a period shows in a list row: times as two digits, cycle and unit
// as they are.
PeriodRow PeriodRowTexts(const TariffPeriod& period);

// What the Scale manager page does: shows the seven scales, builds the period
// lists of a user-defined one row by row in the controls, and saves it. The
// controls are the only working copy; only which scale they show is kept here.
// Periods that differ from the stored ones are never dropped without asking
// "Save the changes to <scale>?": not for another scale, another page, nor
// the program's end.
class ScaleManagerLogic {
public:
    ScaleManagerLogic(SettingsStore& store, const Locale& locale, Prompts& prompts,
                      ScaleManagerView& view)
        : m_scales(store), m_locale(locale), m_prompts(prompts), m_view(view) {}

    // First display: sets the controls up and selects "Deutsche Telekom City".
    void OnInitPage();
    // The tree selection changed. Cancel to the question puts the selection
    // back on the scale shown.
    void OnSelectionChanged();
    // Selects a scale as a click on its tree item does.
    void SelectScale(ScaleId id);
    // The page is about to be left, for another page or because the program
    // closes; false when the user chose to stay.
    bool MayLeave();
    // Either radio button was clicked.
    void OnListChoice();
    // A click into a list: the first selected row goes into the fields.
    void OnListClicked(PeriodList list);
    void OnAdd();
    void OnDelete();
    void OnSave();

private:
    std::optional<ScaleId> SelectedScale() const;
    std::array<std::vector<PeriodRow>, 2> ShownRows() const;
    // Settles unsaved periods of the scale shown: saved, or shown as stored
    // again. False when the user cancels.
    bool SettleUnsaved();
    void SaveShown();
    void EnableControls(std::initializer_list<ScaleControl> controls, bool enable);
    void ClearLists();
    void CheckDays(const std::array<bool, 7>& flags);
    void ShowNothing();
    // A built-in scale for looking only, a user-defined one for editing.
    void ShowScale(ScaleId id);
    void EnableChosenList();
    void FillList(PeriodList list, const std::vector<TariffPeriod>& periods);
    std::vector<TariffPeriod> PeriodsOf(PeriodList list) const;

    CScaleStore m_scales;
    const Locale& m_locale;
    Prompts& m_prompts;
    ScaleManagerView& m_view;
    std::optional<ScaleId> m_shown;  // nothing: the root or no selection
    // The rows of the scale shown as the store holds them: what is not
    // unsaved work.
    std::array<std::vector<PeriodRow>, 2> m_storedRows;
    // The selection is on its way back to the scale shown, which the view
    // may bring a little later.
    bool m_turningBack = false;
};

}  // namespace varnolt
