#pragma once

#include "app/CSheetPage.h"
#include "holiday/HolidayListView.h"
#include "holiday/HolidayPageLogic.h"

class QPushButton;
class QTreeWidget;

namespace varnolt {

// The "Holiday database" page: the holiday list and its three buttons. The
// decisions are HolidayPageLogic's; the page moves texts in and out.
class CHoliday final : public CSheetPage, private HolidayListView {
    Q_OBJECT
public:
    CHoliday(SettingsStore& store, const Clock& clock, Prompts& prompts, QWidget* parent = nullptr);
    ~CHoliday() override;

protected:
    void OnInitPage() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyColumnWidths();

    void ClearRows() override;
    void AppendRow(const HolidayRow& row) override;
    void DeleteRow(int row) override;
    int RowCount() const override;
    int FirstSelectedRow() const override;
    std::string RowDescription(int row) const override;
    bool RunInsertDialog(CHolidayEntry& entry) override;
    bool RunPublicHolidaysDialog(int& year, GermanState& state) override;

    Prompts& m_prompts;
    HolidayPageLogic m_logic;
    QTreeWidget* m_list = nullptr;
};

}  // namespace varnolt
