#include <gtest/gtest.h>

#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QStackedBarSeries>
#include <QTreeWidget>

#include "FakeClock.h"
#include "LogWorld.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/LocalTime.h"
#include "log/CStatisticsPage.h"

namespace varnolt {
namespace {

using test::Child;
using test::RowTexts;

class StatisticsPageUi : public ::testing::Test, protected test::LogWorld {
protected:
    StatisticsPageUi() { clock.SetLocal(1997, 1, 3, 15, 12, 0); }

    void LogCall(const std::string& entry, int month, int day, float fee) {
        const int year = month == 1 ? 1997 : 1996;
        log.Append(entry, "anna", MakeLocal(year, month, day, 9, 0, 0),
                   MakeLocal(year, month, day, 9, 34, 0), fee, fee);
    }

    QStackedBarSeries* Series(const CStatisticsPage& page) {
        return qobject_cast<QStackedBarSeries*>(
            Child<QChartView>(&page, "monthChart")->chart()->series().value(0));
    }

    QStringList Totals(const CStatisticsPage& page) {
        QStringList texts;
        for (QGraphicsItem* item : Child<QChartView>(&page, "monthChart")->chart()->childItems()) {
            if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
                if (!text->text().isEmpty()) {
                    texts << text->text();
                }
            }
        }
        return texts;
    }

    test::FakeClock clock;
};

TEST_F(StatisticsPageUi, ShowsTheLogWhenShownAndFollowsItsChanges) {
    CRASSheet sheet(false);
    sheet.AddPage(kPagePhonebook, new CSheetPage);
    auto* page = new CStatisticsPage(store, locale, dialer, clock, sheet);
    sheet.AddPage(kPageStatistics, page);
    sheet.show();
    LogCall("Office", 12, 5, 1.25f);
    LogCall("Home", 12, 31, 2.5f);
    LogCall("Office", 1, 2, 0.5f);
    const long reads = store.reads;
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    EXPECT_EQ(store.reads, reads);  // out of sight: read when shown

    sheet.SendNotification(WM_SELECT_PAGE, kPageStatistics);
    QStackedBarSeries* series = Series(*page);
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    EXPECT_EQ(series->barSets()[0]->label(), "Home");
    EXPECT_EQ(series->barSets()[1]->at(10), 1.25f);
    EXPECT_EQ(Totals(*page), (QStringList{"3.75", "0.50"}));
    auto* months = Child<QComboBox>(page, "monthBox");
    EXPECT_EQ(months->count(), 12);
    EXPECT_EQ(months->currentText(), "Jan 1997");
    auto* table = Child<QTreeWidget>(page, "monthTable");
    ASSERT_EQ(table->topLevelItemCount(), 2);
    EXPECT_EQ(RowTexts(table, 0), (QStringList{"Office", "0.50 DM", "0:34 h", "1", "0.50 DM"}));
    EXPECT_EQ(RowTexts(table, 1), (QStringList{"Total", "0.50 DM", "0:34 h", "1", "0.50 DM"}));

    // A click on December's bar shows December.
    emit series->clicked(10, series->barSets()[0]);
    EXPECT_EQ(months->currentText(), "Dec 1996");
    ASSERT_EQ(table->topLevelItemCount(), 3);
    EXPECT_EQ(RowTexts(table, 2), (QStringList{"Total", "3.75 DM", "1:08 h", "2", "1.88 DM"}));

    // A call logged while shown, and a record whose dates cannot be read.
    LogCall("Home", 12, 6, 1.0f);
    store.WriteString("__LOG file", "From #4", "garbage");
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    EXPECT_EQ(months->currentText(), "Dec 1996");
    EXPECT_EQ(RowTexts(table, 2), (QStringList{"Total", "3.75 DM", "1:08 h", "2", "1.88 DM"}));
    auto* unknown = Child<QLabel>(page, "unknownLabel");
    EXPECT_FALSE(unknown->isHidden());
    EXPECT_TRUE(unknown->text().contains(": 1, costing 1.00 DM")) << unknown->text().toStdString();

    // Chosen from the list: November had no calls.
    months->activated(months->findText("Nov 1996"));
    EXPECT_EQ(table->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace varnolt
