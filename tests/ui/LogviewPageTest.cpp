#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <fstream>
#include <iterator>

#include "LogWorld.h"
#include "TempDir.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/LocalTime.h"
#include "log/CLogviewPage.h"

namespace varnolt {
namespace {

using test::Child;

QStringList RowTexts(const QAbstractItemModel* model, int row) {
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column) {
        texts << model->index(row, column).data().toString();
    }
    return texts;
}

class LogviewPageUi : public ::testing::Test, protected test::LogWorld {
protected:
    void LogCall(const std::string& entry) {
        log.Append(entry, "anna", MakeLocal(1996, 3, 5, 9, 7, 0), MakeLocal(1996, 3, 5, 9, 41, 0),
                   3.48f, 3.48f);
    }
};

TEST_F(LogviewPageUi, FillsWhenFirstSelectedAndReloadsOnlyOnceSetUp) {
    CRASSheet sheet(false);
    sheet.AddPage(kPagePhonebook, new CSheetPage);
    auto* page = new CLogviewPage(store, locale, dialer, prompts, sheet);
    sheet.AddPage(kPageLogView, page);
    sheet.resize(800, 500);
    sheet.show();
    LogCall("Office");
    const long reads = store.reads;
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    EXPECT_EQ(store.reads, reads);  // not even the count
    EXPECT_EQ(page->findChild<QTreeView*>("logTable"), nullptr);

    sheet.SendNotification(WM_SELECT_PAGE, kPageLogView);
    auto* table = Child<QTreeView>(page, "logTable");
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* model = table->model();
    QStringList headings;
    for (int column = 0; column < model->columnCount(); ++column) {
        headings << model->headerData(column, Qt::Horizontal).toString();
    }
    EXPECT_EQ(headings, (QStringList{"RAS Entry", "User", "From", "To", "Costs", "Total costs"}));
    EXPECT_FALSE(table->header()->sectionsClickable());
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(RowTexts(model, 0), (QStringList{"Office", "anna", "05.03. 09:07 h", "05.03. 09:41 h",
                                               "3.48 DM", "3.48 DM"}));
    const auto icon = model->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_FALSE(model->index(0, 1).data(Qt::DecorationRole).isValid());

    // Shares of the table's client width, cut to whole pixels.
    QApplication::processEvents();
    const int clientWidth = table->viewport()->width();
    EXPECT_EQ(table->columnWidth(0), static_cast<int>(clientWidth * 0.185));
    EXPECT_EQ(table->columnWidth(4), static_cast<int>(clientWidth * 0.119));

    LogCall("Home");
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(1, 0).data().toString(), "Home");

    EXPECT_EQ(Child<QPushButton>(page, "asciiExportButton")->text(),
              "Export LOG into &ASCII-format");
    EXPECT_EQ(Child<QPushButton>(page, "excelExportButton")->text(),
              "Export LOG into &EXCEL-format");
    EXPECT_EQ(Child<QPushButton>(page, "deleteLogButton")->text(), "&Delete LOG...");
}

TEST_F(LogviewPageUi, ButtonsDeleteAfterYesAndExportTheirFormat) {
    LogCall("Office");
    LogCall("Home");
    CLogviewPage page(store, locale, dialer, prompts, host);
    page.show();
    const QAbstractItemModel* model = Child<QTreeView>(&page, "logTable")->model();
    ASSERT_EQ(model->rowCount(), 2);

    test::TempDir dir;
    const std::pair<const char*, const char*> exports[] = {{"asciiExportButton", "+-----"},
                                                           {"excelExportButton", "Varnolt LOG"}};
    for (const auto& [button, start] : exports) {
        const auto path = dir.path() / button;
        prompts.ChooseFile(path.string());
        Child<QPushButton>(&page, button)->click();
        std::ifstream in(path, std::ios::binary);
        const std::string written(std::istreambuf_iterator<char>(in), {});
        EXPECT_TRUE(written.starts_with(start)) << written;
    }

    auto* remove = Child<QPushButton>(&page, "deleteLogButton");
    prompts.Answer(PromptAnswer::No);
    remove->click();
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(log.Count(), 2);
    EXPECT_TRUE(host.sent.empty());

    prompts.Answer(PromptAnswer::Yes);
    remove->click();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(log.Count(), 0);
    EXPECT_EQ(host.sent, (std::vector<test::RecordingSheetHost::Sent>{{WM_RELOAD_PHONEBOOK, 0}}));
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].title, "Delete LOG...");
    EXPECT_EQ(prompts.unscripted(), 0);
}

}  // namespace
}  // namespace varnolt
