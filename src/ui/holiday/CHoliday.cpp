#include "CHoliday.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ReportList.h"
#include "holiday/CInsertHolidayDlg.h"
#include "holiday/CPublicHolidaysDlg.h"

namespace varnolt {

CHoliday::CHoliday(SettingsStore& store, const Clock& clock, Prompts& prompts, QWidget* parent)
    : CSheetPage(parent), m_prompts(prompts), m_logic(store, clock, prompts, *this) {
    setObjectName("CHoliday");
}

CHoliday::~CHoliday() = default;

void CHoliday::OnInitPage() {
    m_list = MakeReportList(this, "holidayList", kHolidayColumnHeadings);
    m_list->setAccessibleName(tr("Holidays"));

    auto* deleteDatabase = new QPushButton(tr("Delete database..."), this);
    deleteDatabase->setObjectName("deleteDatabaseButton");
    auto* publicHolidays = new QPushButton(tr("Insert public holidays..."), this);
    publicHolidays->setObjectName("insertPublicHolidaysButton");
    auto* remove = new QPushButton(tr("Delete..."), this);
    remove->setObjectName("deleteButton");
    auto* insert = new QPushButton(tr("&Insert..."), this);
    insert->setObjectName("insertButton");
    insert->setDefault(true);
    connect(deleteDatabase, &QPushButton::clicked, this, [this] { m_logic.OnDeleteDatabase(); });
    connect(publicHolidays, &QPushButton::clicked, this,
            [this] { m_logic.OnInsertPublicHolidays(); });
    connect(remove, &QPushButton::clicked, this, [this] { m_logic.OnDelete(); });
    connect(insert, &QPushButton::clicked, this, [this] { m_logic.OnInsert(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deleteDatabase);
    buttons->addStretch(1);
    buttons->addWidget(publicHolidays);
    buttons->addWidget(remove);
    buttons->addWidget(insert);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    ApplyColumnWidths();
    m_logic.FillList();
}

void CHoliday::resizeEvent(QResizeEvent* event) {
    CSheetPage::resizeEvent(event);
    ApplyColumnWidths();
}

void CHoliday::ApplyColumnWidths() {
    if (m_list == nullptr) {
        return;
    }
    const int clientWidth = contentsRect().width();
    for (int column = 0; column < kHolidayColumnCount; ++column) {
        m_list->setColumnWidth(column, HolidayColumnWidth(column, clientWidth));
    }
}

void CHoliday::ClearRows() {
    m_list->clear();
}

void CHoliday::AppendRow(const HolidayRow& row) {
    AppendReportRow(m_list, row);
}

void CHoliday::DeleteRow(int row) {
    delete m_list->takeTopLevelItem(row);
}

int CHoliday::RowCount() const {
    return m_list->topLevelItemCount();
}

int CHoliday::FirstSelectedRow() const {
    return varnolt::FirstSelectedRow(m_list);
}

std::string CHoliday::RowDescription(int row) const {
    return m_list->topLevelItem(row)->text(0).toStdString();
}

bool CHoliday::RunInsertDialog(CHolidayEntry& entry) {
    CInsertHolidayDlg dialog(entry, m_prompts, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    entry = dialog.Entry();
    return true;
}

bool CHoliday::RunPublicHolidaysDialog(int& year, GermanState& state) {
    CPublicHolidaysDlg dialog(year, state, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    year = dialog.Year();
    state = dialog.State();
    return true;
}

}  // namespace varnolt
