#include "log/CStatisticsPage.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedBarSeries>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/NumberText.h"
#include "app/ReportList.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

namespace varnolt {
namespace {

enum Column { kEntryColumn, kCostsColumn, kTimeColumn, kCallsColumn, kAverageColumn };

}  // namespace

CStatisticsPage::CStatisticsPage(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                                 const Clock& clock, SheetHost& host, QWidget* parent)
    : CSheetPage(parent),
      m_store(store),
      m_locale(locale),
      m_clock(clock),
      m_log(store, locale, dialer, host) {
    setObjectName("CStatisticsPage");
}

CStatisticsPage::~CStatisticsPage() = default;

void CStatisticsPage::OnReloadLog() {
    if (IsInitialised() && isVisible()) {
        Refresh();
    }
}

void CStatisticsPage::showEvent(QShowEvent* event) {
    CSheetPage::showEvent(event);
    Refresh();
}

void CStatisticsPage::OnInitPage() {
    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_monthAxis = new QBarCategoryAxis(m_chart);
    m_costAxis = new QValueAxis(m_chart);
    // Qt formats axis numbers like printf in the C locale: a point, whatever the user's.
    m_costAxis->setLabelFormat("%.2f");
    m_costAxis->setTitleText(QString::fromStdString(m_locale.CurrencySymbol()));
    m_chart->addAxis(m_monthAxis, Qt::AlignBottom);
    m_chart->addAxis(m_costAxis, Qt::AlignLeft);
    for (int i = 0; i < LogStatistics::kMonths; ++i) {
        m_totals.push_back(new QGraphicsSimpleTextItem(m_chart));
    }
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { PlaceTotals(); });

    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName("monthChart");
    m_chartView->setAccessibleName(tr("Costs per month"));
    m_chartView->setRenderHint(QPainter::Antialiasing);

    m_monthBox = new QComboBox(this);
    m_monthBox->setObjectName("monthBox");
    // Filled after the first show; it must grow to its items then.
    m_monthBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* monthLabel = new QLabel(tr("&Month:"), this);
    monthLabel->setBuddy(m_monthBox);
    connect(m_monthBox, &QComboBox::activated, this, [this](int index) {
        const int month = m_monthBox->itemData(index).toInt();
        Choose(m_months[month]);
    });

    m_table = MakeReportList(this, "monthTable",
                             {tr("Entry"), tr("Costs"), tr("Time"), tr("Calls"), tr("Per call")});
    m_table->setAccessibleName(tr("Costs of the month by entry"));
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->header()->setSectionResizeMode(kEntryColumn, QHeaderView::Stretch);
    for (int column = kCostsColumn; column <= kAverageColumn; ++column) {
        m_table->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }

    m_unknown = new QLabel(this);
    m_unknown->setObjectName("unknownLabel");
    m_unknown->setWordWrap(true);
    m_unknown->hide();

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(monthLabel);
    monthRow->addWidget(m_monthBox);
    monthRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chartView, 2);
    layout->addLayout(monthRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_unknown);
}

QString CStatisticsPage::MonthText(YearMonth month) {
    static const char* const kNames[12] = {
        QT_TR_NOOP("Jan"), QT_TR_NOOP("Feb"), QT_TR_NOOP("Mar"), QT_TR_NOOP("Apr"),
        QT_TR_NOOP("May"), QT_TR_NOOP("Jun"), QT_TR_NOOP("Jul"), QT_TR_NOOP("Aug"),
        QT_TR_NOOP("Sep"), QT_TR_NOOP("Oct"), QT_TR_NOOP("Nov"), QT_TR_NOOP("Dec"),
    };
    if (month.month < 1 || month.month > 12) {
        return {};
    }
    return tr(kNames[month.month - 1]) + ' ' + QString::number(month.year);
}

void CStatisticsPage::Choose(YearMonth month) {
    m_chosen = month;
    Refresh();
}

void CStatisticsPage::Refresh() {
    if (!IsInitialised()) {
        return;
    }
    const LocalDateTime now = m_clock.Now();
    const YearMonth current{now.year, now.month};
    // A choice from before the twelve months (the page stayed open over a
    // month's end) falls back to the current month.
    const int back = MonthNumber(current) - MonthNumber(m_chosen);
    if (back < 0 || back >= LogStatistics::kMonths) {
        m_chosen = current;
    }
    const LogStatistics statistics = ReadLogStatistics(m_log, m_store, now, m_chosen);
    std::copy(std::begin(statistics.months), std::end(statistics.months), std::begin(m_months));
    ShowMonths(statistics);
    ShowChosenMonth(statistics);
}

void CStatisticsPage::ShowMonths(const LogStatistics& statistics) {
    m_chart->removeAllSeries();
    m_series = new QStackedBarSeries;
    const StackedCosts stacked = MostCostlyEntries(statistics, kStackedEntries);
    for (std::size_t e = 0; e < stacked.entries.size(); ++e) {
        const QString name = stacked.entries[e].empty()
                                 ? tr("Other entries")
                                 : QString::fromStdString(stacked.entries[e]);
        auto* set = new QBarSet(name);
        for (float costs : stacked.costs[e]) {
            set->append(costs);
        }
        m_series->append(set);
    }
    connect(m_series, &QAbstractBarSeries::clicked, this,
            [this](int index, QBarSet*) { Choose(m_months[index]); });
    m_chart->addSeries(m_series);
    m_series->attachAxis(m_monthAxis);
    m_series->attachAxis(m_costAxis);

    QStringList months;
    float highest = 0;
    for (int i = 0; i < LogStatistics::kMonths; ++i) {
        // The year under the month: side by side they are cut short.
        months << MonthText(statistics.months[i]).replace(' ', "<br>");
        const float total = statistics.MonthTotal(i);
        highest = std::max(highest, total);
        m_totals[static_cast<std::size_t>(i)]->setText(
            total > 0 ? QString::fromStdString(FormatAmount(total)) : QString());
    }
    m_monthAxis->setCategories(months);
    // Room above the highest bar for its total.
    m_costAxis->setRange(0, highest > 0 ? highest * 1.15 : 1.0);
    m_costAxis->applyNiceNumbers();
    m_chart->legend()->setVisible(!stacked.entries.empty());
    PlaceTotals();
}

void CStatisticsPage::PlaceTotals() {
    if (m_series == nullptr) {
        return;
    }
    for (int i = 0; i < LogStatistics::kMonths; ++i) {
        QGraphicsSimpleTextItem* total = m_totals[static_cast<std::size_t>(i)];
        qreal sum = 0;
        for (QBarSet* set : m_series->barSets()) {
            sum += set->at(i);
        }
        const QPointF top = m_chart->mapToPosition(QPointF(i, sum), m_series);
        const QRectF box = total->boundingRect();
        total->setPos(top.x() - box.width() / 2, top.y() - box.height());
    }
}

void CStatisticsPage::ShowChosenMonth(const LogStatistics& statistics) {
    m_monthBox->clear();
    for (int i = LogStatistics::kMonths - 1; i >= 0; --i) {
        m_monthBox->addItem(MonthText(statistics.months[i]), i);
        if (statistics.months[i] == m_chosen) {
            m_monthBox->setCurrentIndex(m_monthBox->count() - 1);
        }
    }

    const std::string currency = m_locale.CurrencySymbol();
    m_table->clear();
    EntryMonth sum;
    for (const EntryMonth& row : statistics.chosen) {
        AppendReportRow(
            m_table, std::vector<std::string>{row.entry, AmountText(row.costs, currency),
                                              ConnectedTimeText(row.minutes), FormatInt(row.calls),
                                              AmountText(row.AverageCost(), currency)});
        sum.costs = AddAmounts(sum.costs, row.costs);
        sum.minutes += row.minutes;
        sum.calls += row.calls;
    }
    if (!statistics.chosen.empty()) {
        AppendReportRow(m_table, std::vector<std::string>{
                                     tr("Total").toStdString(), AmountText(sum.costs, currency),
                                     ConnectedTimeText(sum.minutes), FormatInt(sum.calls),
                                     AmountText(sum.AverageCost(), currency)});
        QTreeWidgetItem* total = m_table->topLevelItem(m_table->topLevelItemCount() - 1);
        QFont bold = total->font(kEntryColumn);
        bold.setBold(true);
        for (int column = kEntryColumn; column <= kAverageColumn; ++column) {
            total->setFont(column, bold);
        }
    }
    for (int row = 0; row < m_table->topLevelItemCount(); ++row) {
        for (int column = kCostsColumn; column <= kAverageColumn; ++column) {
            m_table->topLevelItem(row)->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    m_unknown->setVisible(statistics.unknownCount > 0);
    m_unknown->setText(
        tr("Logged calls whose dates cannot be read are not counted above: %1, "
           "costing %2.")
            .arg(statistics.unknownCount)
            .arg(QString::fromStdString(AmountText(statistics.unknownCosts, currency))));
}

}  // namespace varnolt
