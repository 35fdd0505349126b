#pragma once

#include <array>

#include "app/CSheetPage.h"
#include "tariff/ScaleManagerLogic.h"
#include "tariff/ScaleManagerView.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace varnolt {

class CTimeField;

// The "Scale manager" page: the tree of the seven scales, the fields of one
// period, the day boxes and the two period lists. ScaleManagerLogic decides;
// the page moves texts and states between it and the widgets.
class CCostPage final : public CSheetPage, private ScaleManagerView {
    Q_OBJECT
public:
    CCostPage(SettingsStore& store, const Locale& locale, Prompts& prompts,
              QWidget* parent = nullptr);
    ~CCostPage() override;

    bool MayLeave() override;
    void OnSelectScale(int scale) override;

protected:
    void OnInitPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* MakeList(const char* name);
    void ApplyColumnWidths();
    QTreeWidget* List(PeriodList list) const;

    void SetUnitCaption(const std::string& caption) override;
    void SetChoices(ScaleField box, const std::vector<std::string>& choices, int selected) override;
    void FillTree(const ScaleTreeItem& root, const std::vector<ScaleTreeItem>& scales) override;
    void SelectTreeItem(const std::string& text) override;
    std::string SelectedTreeText() const override;
    void EnableControl(ScaleControl control, bool enable) override;
    std::string FieldText(ScaleField field) const override;
    void SetFieldText(ScaleField field, const std::string& text) override;
    PeriodList ChosenList() const override;
    void ChooseList(PeriodList list) override;
    bool IsDayChecked(int day) const override;
    void CheckDay(int day, bool checked) override;
    void ClearRows(PeriodList list) override;
    void AppendRow(PeriodList list, const PeriodRow& row) override;
    void DeleteRow(PeriodList list, int row) override;
    int RowCount(PeriodList list) const override;
    PeriodRow Row(PeriodList list, int row) const override;
    int SelectedRow(PeriodList list) const override;

    ScaleManagerLogic m_logic;
    bool m_inTreeChange = false;  // the tree's selection handler is running

    QTreeWidget* m_tree = nullptr;
    std::array<CTimeField*, kTimeFieldMaximum.size()> m_times{};
    QComboBox* m_cycle = nullptr;
    QComboBox* m_unit = nullptr;
    QLabel* m_unitLabel = nullptr;
    std::array<QCheckBox*, 7> m_days{};
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
    QRadioButton* m_weekdayChoice = nullptr;
    QRadioButton* m_holidayChoice = nullptr;
    QTreeWidget* m_weekdayList = nullptr;
    QTreeWidget* m_holidayList = nullptr;
};

}  // namespace varnolt
