#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "FakeClock.h"
#include "MemorySettingsStore.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "holiday/CHoliday.h"
#include "holiday/CHolidayDatabase.h"
#include "holiday/CInsertHolidayDlg.h"
#include "holiday/CPublicHolidaysDlg.h"

namespace varnolt {
namespace {

using test::Child;
using test::RowTexts;

constexpr const char* kSection = "Holiday database";

class HolidayPageUi : public ::testing::Test {
protected:
    HolidayPageUi() {
        CHolidayDatabase db(m_store);
        db.Insert({"New Year", 1, 1, 0});
        db.Insert({"Labour day", 1, 5, 1996});
        db.Insert({"Company outing", 3, 0, 2026});
    }

    test::MemorySettingsStore m_store;
    test::FakeClock m_clock;
    test::ScriptedPrompts m_prompts;
};

TEST_F(HolidayPageUi, JoinsTheSheetAndBuildsItsControlsWhenFirstShown) {
    CRASSheet sheet(false);
    auto* page = new CHoliday(m_store, m_clock, m_prompts);
    sheet.AddPage(kPageHolidayDatabase, page);
    EXPECT_EQ(sheet.Tabs()->tabText(sheet.Tabs()->indexOf(page)), "Holiday database");
    EXPECT_EQ(page->findChild<QTreeWidget*>("holidayList"), nullptr);

    sheet.show();
    sheet.SendNotification(WM_SELECT_PAGE, kPageHolidayDatabase);
    auto* list = Child<QTreeWidget>(page, "holidayList");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(RowTexts(list, 0), (QStringList{"New Year", "1", "1", "every year"}));
    EXPECT_EQ(RowTexts(list, 1), (QStringList{"Labour day", "1", "5", "1996"}));
    EXPECT_EQ(RowTexts(list, 2), (QStringList{"Company outing", "3", "ERROR", "2026"}));
}

TEST_F(HolidayPageUi, ListAndButtonsAreLaidOutAsAReportView) {
    CHoliday page(m_store, m_clock, m_prompts);
    page.show();
    auto* list = Child<QTreeWidget>(&page, "holidayList");
    ASSERT_NE(list, nullptr);
    QStringList headings;
    for (int column = 0; column < list->columnCount(); ++column) {
        headings << list->headerItem()->text(column);
    }
    EXPECT_EQ(headings, (QStringList{"Description", "Day", "Month", "Year"}));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_FALSE(list->header()->sectionsClickable());

    // Shares of the page's width, truncated, kept on every resize.
    for (auto [width, first, other] : {std::tuple{600, 270, 90}, std::tuple{733, 329, 109}}) {
        page.resize(width, 400);
        EXPECT_EQ(list->columnWidth(0), first) << width;
        for (int column = 1; column < 4; ++column) {
            EXPECT_EQ(list->columnWidth(column), other) << width << " column " << column;
        }
    }

    auto* deleteDatabase = Child<QPushButton>(&page, "deleteDatabaseButton");
    auto* remove = Child<QPushButton>(&page, "deleteButton");
    auto* insert = Child<QPushButton>(&page, "insertButton");
    ASSERT_TRUE(deleteDatabase && remove && insert);
    EXPECT_EQ(deleteDatabase->text(), "Delete database...");
    EXPECT_EQ(remove->text(), "Delete...");
    EXPECT_EQ(insert->text(), "&Insert...");
    EXPECT_TRUE(insert->isDefault());
    EXPECT_FALSE(remove->isDefault());
    // Delete database on the left, the other two on the right, below the list.
    QApplication::processEvents();  // lets the layout place them
    EXPECT_LT(deleteDatabase->geometry().right(), remove->geometry().left());
    EXPECT_LT(remove->geometry().right(), insert->geometry().left());
    EXPECT_GT(insert->geometry().top(), list->geometry().bottom());
}

TEST_F(HolidayPageUi, DeleteButtonsRemoveTheSelectedRowAndTheWholeList) {
    CHoliday page(m_store, m_clock, m_prompts);
    page.show();
    auto* list = Child<QTreeWidget>(&page, "holidayList");
    ASSERT_NE(list, nullptr);
    list->topLevelItem(1)->setSelected(true);

    m_prompts.Answer(PromptAnswer::Yes);
    Child<QPushButton>(&page, "deleteButton")->click();
    ASSERT_EQ(m_prompts.shown().size(), 1u);
    EXPECT_EQ(m_prompts.shown()[0].text, "Are you sure to remove 'Labour day' from database ?");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Company outing");
    EXPECT_EQ(m_store.ReadString(kSection, "Description #2", ""), "Company outing");

    m_prompts.Answer(PromptAnswer::Yes);
    Child<QPushButton>(&page, "deleteDatabaseButton")->click();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(m_store.ReadInt(kSection, "Anzahl", -1), 0);
    EXPECT_EQ(m_prompts.unscripted(), 0);
}

TEST_F(HolidayPageUi, InsertOpensTheDialogOnTodayAndListsTheNewHoliday) {
    m_clock.SetLocal(2026, 4, 5, 12, 0, 0);
    CHoliday page(m_store, m_clock, m_prompts);
    page.show();
    QStringList opened;
    // Should the scripted user fail, the dialog is closed all the same: the
    // test must fail, not hang in the modal loop.
    QTimer::singleShot(5000, &page, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the dialog was still open";
            modal->close();
        }
    });
    QTimer::singleShot(0, &page, [&] {
        auto* dialog = page.findChild<CInsertHolidayDlg*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isModal());
        for (const char* name : {"descriptionEdit", "dayEdit", "monthEdit", "yearEdit"}) {
            opened << dialog->findChild<QLineEdit*>(name)->text();
        }
        dialog->findChild<QLineEdit*>("descriptionEdit")->setText("Christmas");
        dialog->findChild<QLineEdit*>("dayEdit")->setText("25");
        dialog->findChild<QLineEdit*>("monthEdit")->setText("12");
        dialog->findChild<QLineEdit*>("yearEdit")->setText("0");
        dialog->findChild<QPushButton*>("insertButton")->click();
    });
    Child<QPushButton>(&page, "insertButton")->click();

    EXPECT_EQ(opened, (QStringList{"", "5", "4", "2026"}));
    auto* list = Child<QTreeWidget>(&page, "holidayList");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(RowTexts(list, 3), (QStringList{"Christmas", "25", "12", "every year"}));
    EXPECT_EQ(m_store.ReadInt(kSection, "Year #4", 0), 10000);
    EXPECT_TRUE(m_prompts.shown().empty());
}

TEST_F(HolidayPageUi, InsertPublicHolidaysAsksForYearAndStateAndListsThem) {
    m_clock.SetLocal(2026, 4, 5, 12, 0, 0);
    CHoliday page(m_store, m_clock, m_prompts);
    page.show();
    auto* button = Child<QPushButton>(&page, "insertPublicHolidaysButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Insert public holidays...");
    int openedYear = 0;
    QTimer::singleShot(5000, &page, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "the dialog was still open";
            modal->close();
        }
    });
    QTimer::singleShot(0, &page, [&] {
        auto* dialog = page.findChild<CPublicHolidaysDlg*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->windowTitle(), "Insert public holidays");
        auto* year = dialog->findChild<QSpinBox*>("yearSpin");
        auto* state = dialog->findChild<QComboBox*>("stateCombo");
        openedYear = year->value();
        EXPECT_EQ(state->count(), 17);
        EXPECT_EQ(state->itemText(16), QString::fromUtf8("Thüringen"));
        year->setValue(2024);
        state->setCurrentText("Bayern");
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    m_prompts.Answer(PromptAnswer::Ok);
    button->click();

    EXPECT_EQ(openedYear, 2026);
    ASSERT_EQ(m_prompts.shown().size(), 1u);
    EXPECT_EQ(m_prompts.shown()[0].text,
              "12 public holidays inserted, 1 skipped as already present.");
    auto* list = Child<QTreeWidget>(&page, "holidayList");
    ASSERT_EQ(list->topLevelItemCount(), 15);  // New Year is present
    EXPECT_EQ(RowTexts(list, 3), (QStringList{"Heilige Drei Könige", "6", "1", "2024"}));
}

TEST(InsertHolidayDialogUi, ShowsItsTextsAndLimits) {
    test::ScriptedPrompts prompts;
    CInsertHolidayDlg dialog({"Labour day", 1, 5, 1996}, prompts);
    EXPECT_EQ(dialog.windowTitle(), "Insert holiday");
    EXPECT_EQ(Child<QLabel>(&dialog, "descriptionLabel")->text(), "Description:");
    EXPECT_EQ(Child<QLabel>(&dialog, "dateLabel")->text(), "Date (DD.MM.YYYY):");
    EXPECT_EQ(Child<QLabel>(&dialog, "hintText")->text(),
              "If this holiday is every year at the same date, like \n"
              "christmas day (always the 25.12.), type 0 for the year");
    EXPECT_FALSE(Child<QLabel>(&dialog, "hintIcon")->pixmap().isNull());
    EXPECT_NE(dialog.findChild<QFrame*>("separator"), nullptr);

    EXPECT_EQ(Child<QLineEdit>(&dialog, "descriptionEdit")->text(), "Labour day");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "dayEdit")->text(), "1");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "monthEdit")->text(), "5");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "yearEdit")->text(), "1996");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "dayEdit")->maxLength(), 2);
    EXPECT_EQ(Child<QLineEdit>(&dialog, "monthEdit")->maxLength(), 2);
    EXPECT_EQ(Child<QLineEdit>(&dialog, "yearEdit")->maxLength(), 4);

    auto* insert = Child<QPushButton>(&dialog, "insertButton");
    auto* cancel = Child<QPushButton>(&dialog, "cancelButton");
    EXPECT_EQ(insert->text(), "Insert");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(insert->isDefault());
    EXPECT_FALSE(cancel->isDefault());
}

TEST(InsertHolidayDialogUi, StaysOpenWithItsValuesAfterAFailedCheck) {
    test::ScriptedPrompts prompts;
    CInsertHolidayDlg dialog({"", 7, 3, 2026}, prompts);
    dialog.show();
    auto* day = Child<QLineEdit>(&dialog, "dayEdit");
    auto* month = Child<QLineEdit>(&dialog, "monthEdit");
    auto* description = Child<QLineEdit>(&dialog, "descriptionEdit");
    auto* insert = Child<QPushButton>(&dialog, "insertButton");
    description->setText("Typo");
    day->setText("32");
    month->setText("13");
    insert->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "The day range is only valid between 1 to 31 !");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(day->text(), "32");
    EXPECT_EQ(month->text(), "13");
    EXPECT_EQ(description->text(), "Typo");

    day->setText("31");
    insert->click();
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].text, "The month range is only valid between 1 to 12 !");
    EXPECT_TRUE(dialog.isVisible());

    month->setText("2");
    insert->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Entry(), (CHolidayEntry{"Typo", 31, 2, 2026}));
}

TEST(InsertHolidayDialogUi, CancelEndsWithoutAnyCheck) {
    test::ScriptedPrompts prompts;
    CInsertHolidayDlg dialog({"", 7, 3, 2026}, prompts);
    dialog.show();
    Child<QLineEdit>(&dialog, "dayEdit")->setText("99");
    Child<QPushButton>(&dialog, "cancelButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace varnolt
