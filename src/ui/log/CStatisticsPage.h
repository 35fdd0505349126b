#pragma once

#include <vector>

#include "app/CSheetPage.h"
#include "log/CConnectionLog.h"
#include "log/LogStatistics.h"

class QChart;
class QChartView;
class QBarCategoryAxis;
class QComboBox;
class QGraphicsSimpleTextItem;
class QLabel;
class QStackedBarSeries;
class QTreeWidget;
class QValueAxis;

namespace varnolt {

class Clock;

// The "Statistics" page: the costs of the last twelve months as bars stacked
// by entry with each month's total on top, and one month's costs, time and
// calls per entry as a list. Everything is computed from the log whenever
// the page is shown or the log changes while it is; nothing is stored.
class CStatisticsPage final : public CSheetPage {
    Q_OBJECT
public:
    CStatisticsPage(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                    const Clock& clock, SheetHost& host, QWidget* parent = nullptr);
    ~CStatisticsPage() override;

    // A page out of sight catches up when it is shown.
    void OnReloadLog() override;
    // Reads the log and shows it.
    void Refresh();

    // The most entries the bars stack; the others share one part.
    static constexpr std::size_t kStackedEntries = 8;
    // "Dec 1996", the month's name translated.
    static QString MonthText(YearMonth month);

protected:
    void OnInitPage() override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowMonths(const LogStatistics& statistics);
    void ShowChosenMonth(const LogStatistics& statistics);
    void PlaceTotals();
    void Choose(YearMonth month);

    SettingsStore& m_store;
    const Locale& m_locale;
    const Clock& m_clock;
    CConnectionLog m_log;
    YearMonth m_chosen;  // none chosen yet: {0, 0}
    YearMonth m_months[LogStatistics::kMonths];

    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QBarCategoryAxis* m_monthAxis = nullptr;
    QValueAxis* m_costAxis = nullptr;
    QStackedBarSeries* m_series = nullptr;
    std::vector<QGraphicsSimpleTextItem*> m_totals;
    QComboBox* m_monthBox = nullptr;
    QTreeWidget* m_table = nullptr;
    QLabel* m_unknown = nullptr;
};

}  // namespace varnolt
