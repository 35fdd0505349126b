#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <filesystem>

#include "LogWorld.h"
#include "TempDir.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/LocalTime.h"
#include "log/CLogviewPage.h"
#include "posix/PosixExportFile.h"

namespace varnolt {
namespace {

using test::Child;

class LogviewPageUi : public ::testing::Test, protected test::LogWorld {
protected:
    void LogCall(const std::string& entry) {
        log.Append(entry, "anna", MakeLocal(1996, 3, 5, 9, 7, 0), MakeLocal(1996, 3, 5, 9, 41, 0),
                   3.48f, 3.48f);
    }

    PosixExportFile files;
};

TEST_F(LogviewPageUi, FillsWhenFirstSelectedAndReloadsOnlyOnceSetUp) {
    CRASSheet sheet(false);
    sheet.AddPage(kPagePhonebook, new CSheetPage);
    auto* page = new CLogviewPage(store, locale, dialer, prompts, files, sheet);
    sheet.AddPage(kPageLogView, page);
    sheet.show();
    LogCall("Office");
    const long reads = store.reads;
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    EXPECT_EQ(store.reads, reads);  // not even the count is read

    sheet.SendNotification(WM_SELECT_PAGE, kPageLogView);
    auto* table = Child<QTreeView>(page, "logTable");
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* model = table->model();
    QStringList headings, row;
    for (int column = 0; column < model->columnCount(); ++column) {
        headings << model->headerData(column, Qt::Horizontal).toString();
        row << model->index(0, column).data().toString();
    }
    EXPECT_EQ(headings, (QStringList{"RAS Entry", "User", "From", "To", "Costs", "Total costs"}));
    EXPECT_EQ(row, (QStringList{"Office", "anna", "05.03. 09:07 h", "05.03. 09:41 h", "3.48 DM",
                                "3.48 DM"}));
    EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(table->header()->sectionsClickable());
    EXPECT_EQ(table->columnWidth(0), static_cast<int>(table->viewport()->width() * 0.185));

    LogCall("Home");
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(1, 0).data().toString(), "Home");
}

TEST_F(LogviewPageUi, ButtonsExportTheirFormatAndDeleteAfterYes) {
    LogCall("Office");
    CLogviewPage page(store, locale, dialer, prompts, files, host);
    page.show();
    const QAbstractItemModel* model = Child<QTreeView>(&page, "logTable")->model();
    test::TempDir dir;
    for (auto [button, caption] : {std::pair{"asciiExportButton", "Export LOG into &ASCII-format"},
                                   {"excelExportButton", "Export LOG into &EXCEL-format"}}) {
        prompts.ChooseFile((dir.path() / button).string());
        Child<QPushButton>(&page, button)->click();
        EXPECT_EQ(Child<QPushButton>(&page, button)->text(), caption);
    }
    // The framed report and the tab-separated text of the one record.
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "asciiExportButton"), 604u);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "excelExportButton"), 229u);

    auto* remove = Child<QPushButton>(&page, "deleteLogButton");
    EXPECT_EQ(remove->text(), "&Delete LOG...");
    prompts.Answer(PromptAnswer::No);
    remove->click();
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(log.Count(), 1);
    EXPECT_TRUE(host.sent.empty());
    prompts.Answer(PromptAnswer::Yes);
    remove->click();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(log.Count(), 0);
    EXPECT_EQ(host.sent, (std::vector<test::RecordingSheetHost::Sent>{{WM_RELOAD_PHONEBOOK, 0}}));
    EXPECT_EQ(prompts.shown().size(), 2u);  // the question, twice
}

}  // namespace
}  // namespace varnolt
