#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "connection/CTreePage.h"
#include "tariff/CCostPage.h"
#include "tariff/CScaleStore.h"
#include "tariff/CTimeField.h"

namespace varnolt {
namespace {

using test::Child;
using test::PressKey;
using test::RowTexts;

QTreeWidgetItem* FindItem(const QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

class CostPageUi : public ::testing::Test {
protected:
    CostPageUi() {
        page.resize(640, 560);
        page.show();
        QApplication::processEvents();
    }

    template <typename T>
    T* Get(const char* name) {
        return Child<T>(&page, name);
    }
    void SelectScale(const char* label) {
        auto* tree = Get<QTreeWidget>("scaleTree");
        tree->setCurrentItem(FindItem(tree, label));
    }

    test::MemorySettingsStore store;
    test::FixedLocale locale{"€"};
    test::ScriptedPrompts prompts;
    CCostPage page{store, locale, prompts};
};

TEST(CostPageSheetUi, ADoubleClickOnAnEntrysScaleShowsThePageWithThatScaleSelected) {
    test::MemorySettingsStore store;
    store.WriteString("Office", "Scale", "Userdefined scale #2");
    test::ScriptedDialer dialer;
    dialer.AddEntry("Office");
    test::FixedLocale locale;
    test::ScriptedPrompts prompts;
    CRASSheet sheet(false);
    auto* phonebook = new CTreePage(store, dialer, locale, prompts, sheet);
    auto* scales = new CCostPage(store, locale, prompts);
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.AddPage(kPageScaleManager, scales);
    sheet.show();
    EXPECT_EQ(sheet.Tabs()->tabText(sheet.Tabs()->indexOf(scales)), "Scale manager");
    EXPECT_EQ(sheet.Tabs()->indexOf(scales), 1);  // after the Phonebook, the LOG view absent

    QTreeWidgetItem* item = FindItem(phonebook->Tree(), "Scale: Userdefined scale #2");
    ASSERT_NE(item, nullptr);
    emit phonebook->Tree()->itemDoubleClicked(item, 0);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), scales);
    auto* tree = Child<QTreeWidget>(scales, "scaleTree");
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), "Userdefined scale #2");
}

// Cancel keeps the scale, the page and the sheet; Save lets the user go.
TEST(CostPageSheetUi, UnsavedPeriodsAreAskedAboutOnEveryWayOff) {
    test::MemorySettingsStore store;
    ASSERT_TRUE(CScaleStore(store).SaveScale({.id = ScaleId::User1, .weekdayPeriods = {{}}}));
    test::FixedLocale locale;
    test::ScriptedPrompts prompts;
    CRASSheet sheet(false);
    auto* other = new CSheetPage;
    auto* scales = new CCostPage(store, locale, prompts);
    sheet.AddPage(kPageAbout, other);
    sheet.AddPage(kPageScaleManager, scales);
    sheet.Tabs()->setCurrentWidget(scales);
    sheet.show();
    auto* tree = Child<QTreeWidget>(scales, "scaleTree");
    tree->setCurrentItem(FindItem(tree, "Userdefined scale #1"));
    Child<QTreeWidget>(scales, "weekdayList")->topLevelItem(0)->setSelected(true);
    Child<QPushButton>(scales, "deleteButton")->click();
    for (int i = 0; i < 3; ++i) {
        prompts.Answer(PromptAnswer::Cancel);
    }
    const QPoint at = tree->visualItemRect(FindItem(tree, "Userdefined scale #2")).center();
    QMouseEvent click(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &click);
    QApplication::processEvents();  // the way back waits for the click to finish
    EXPECT_EQ(tree->selectedItems(), QList{FindItem(tree, "Userdefined scale #1")});
    sheet.Tabs()->setCurrentWidget(other);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), scales);
    sheet.reject();
    EXPECT_TRUE(sheet.isVisible());
    prompts.Answer(PromptAnswer::Save);
    sheet.reject();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_TRUE(CScaleStore(store).LoadScale(ScaleId::User1).weekdayPeriods.empty());
    ASSERT_EQ(prompts.shown().size(), 4u);
    EXPECT_EQ(prompts.shown()[0].text, "Save the changes to Userdefined scale #1?");
    EXPECT_EQ(prompts.unscripted(), 0);
}

TEST_F(CostPageUi, FirstDisplayFillsTheControlsAndShowsCityReadOnly) {
    EXPECT_EQ(Get<QLabel>("unitLabel")->text(), "Unit in €:");
    auto* cycle = Get<QComboBox>("cycleBox");
    EXPECT_TRUE(cycle->isEditable());
    EXPECT_EQ(cycle->count(), 15);
    EXPECT_EQ(cycle->currentText(), "240");
    EXPECT_EQ(Get<QComboBox>("unitBox")->currentText(), "0.12");
    EXPECT_TRUE(Get<QRadioButton>("weekdayChoice")->isChecked());

    auto* tree = Get<QTreeWidget>("scaleTree");
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    ASSERT_EQ(root->childCount(), 7);
    // Three pictures: the root, the built-in and the user-defined scales.
    auto picture = [](const QTreeWidgetItem* item) { return item->icon(0).pixmap(16).toImage(); };
    EXPECT_FALSE(picture(root).isNull());
    EXPECT_NE(picture(root), picture(root->child(0)));
    EXPECT_NE(picture(root->child(0)), picture(root->child(4)));
    EXPECT_EQ(picture(root->child(3)), picture(root->child(0)));
    EXPECT_EQ(picture(root->child(6)), picture(root->child(4)));

    auto* weekday = Get<QTreeWidget>("weekdayList");
    ASSERT_EQ(weekday->topLevelItemCount(), 5);
    EXPECT_EQ(RowTexts(weekday, 0), (QStringList{"00", "00", "05", "00", "240", "0.12"}));
    EXPECT_EQ(Get<QTreeWidget>("holidayList")->topLevelItemCount(), 3);
    EXPECT_TRUE(weekday->isEnabled());
    EXPECT_FALSE(Get<CTimeField>("toMinuteEdit")->isEnabled());
    EXPECT_EQ(Get<CTimeField>("toMinuteEdit")->text(), "");
    EXPECT_FALSE(Get<QPushButton>("addButton")->isEnabled());
    EXPECT_FALSE(cycle->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>("daySatBox")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>("daySatBox")->isEnabled());
}

TEST_F(CostPageUi, ListsAreReportsWithEqualColumnsOfTheSundayListsWidth) {
    auto* weekday = Get<QTreeWidget>("weekdayList");
    auto* holiday = Get<QTreeWidget>("holidayList");
    QStringList headings;
    for (int column = 0; column < weekday->columnCount(); ++column) {
        headings << weekday->headerItem()->text(column);
    }
    EXPECT_EQ(headings, (QStringList{"From (hour)", "From (min.)", "To (hour)", "To (min.)",
                                     "Cycle (sec.)", "Unit"}));
    EXPECT_EQ(Get<QRadioButton>("holidayChoice")->text(), "on sundays && public holidays");
    for (int width : {640, 900}) {
        page.resize(width, 560);
        QApplication::processEvents();
        const int expected = (holiday->contentsRect().width() - 15) / 6;
        EXPECT_GT(expected, 50) << width;
        for (const QTreeWidget* list : {weekday, holiday}) {
            EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
            EXPECT_FALSE(list->header()->sectionsClickable());
            for (int column = 0; column < 6; ++column) {
                EXPECT_EQ(list->columnWidth(column), expected) << width << " " << column;
            }
        }
    }
}

TEST_F(CostPageUi, AUserScaleIsEditedAddedToAndSaved) {
    SelectScale("Userdefined scale #1");
    auto* weekday = Get<QTreeWidget>("weekdayList");
    auto* holiday = Get<QTreeWidget>("holidayList");
    auto* save = Get<QPushButton>("saveButton");
    EXPECT_TRUE(Get<CTimeField>("fromHourEdit")->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(holiday->isEnabled());

    const char* typed[][2] = {{"fromHourEdit", "9"},
                              {"fromMinuteEdit", "0"},
                              {"toHourEdit", "18"},
                              {"toMinuteEdit", "0"}};
    for (const auto& [name, text] : typed) {
        Get<CTimeField>(name)->SetText(text);
    }
    Get<QComboBox>("cycleBox")->setEditText("90");
    Get<QComboBox>("unitBox")->setEditText("0.12");  // empty: the scale has no unit yet
    Get<QPushButton>("addButton")->click();
    ASSERT_EQ(weekday->topLevelItemCount(), 1);
    EXPECT_EQ(RowTexts(weekday, 0), (QStringList{"09", "00", "18", "00", "90", "0.12"}));
    EXPECT_TRUE(save->isEnabled());

    Get<QRadioButton>("holidayChoice")->click();
    EXPECT_FALSE(weekday->isEnabled());
    EXPECT_TRUE(holiday->isEnabled());
    Get<QCheckBox>("dayMonBox")->click();
    save->click();
    const TariffScale saved = CScaleStore(store).LoadScale(ScaleId::User1);
    EXPECT_EQ(saved.weekdayPeriods, (std::vector<TariffPeriod>{{9, 0, 18, 0, "90", "0.12"}}));
    EXPECT_TRUE(saved.dayFlags[kMonday]);

    // A click into the list brings the selected row back into the fields.
    Get<CTimeField>("fromHourEdit")->SetText("");
    weekday->topLevelItem(0)->setSelected(true);
    emit weekday->itemClicked(weekday->topLevelItem(0), 0);
    EXPECT_EQ(Get<CTimeField>("fromHourEdit")->text(), "09");
    EXPECT_TRUE(prompts.shown().empty());
}

// Typing must not complete from the lists: "15" is not "150", "0.1" not "0.12".
TEST_F(CostPageUi, TypedCycleAndUnitAreSavedExactlyAsTyped) {
    SelectScale("Userdefined scale #1");
    Get<CTimeField>("fromHourEdit")->SetText("9");
    Get<CTimeField>("fromMinuteEdit")->SetText("0");
    Get<CTimeField>("toHourEdit")->SetText("18");
    Get<CTimeField>("toMinuteEdit")->SetText("0");
    for (auto [name, typed] : {std::pair{"cycleBox", "15"}, {"unitBox", "0.1"}}) {
        QLineEdit* edit = Get<QComboBox>(name)->lineEdit();
        edit->setFocus();  // a line edit completes only while it has the focus
        ASSERT_TRUE(edit->hasFocus());
        edit->clear();
        for (const QChar key : QString(typed)) {
            PressKey(edit, static_cast<Qt::Key>(key.unicode()), key);
        }
        EXPECT_EQ(Get<QComboBox>(name)->currentText().toStdString(), typed);
    }
    Get<QPushButton>("addButton")->click();
    Get<QPushButton>("saveButton")->click();
    EXPECT_EQ(CScaleStore(store).LoadScale(ScaleId::User1).weekdayPeriods,
              (std::vector<TariffPeriod>{{9, 0, 18, 0, "15", "0.1"}}));
}

TEST_F(CostPageUi, TimeFieldsStepWithTheArrowKeysAndWrapAround) {
    SelectScale("Userdefined scale #2");
    auto* hour = Get<CTimeField>("toHourEdit");
    auto* minute = Get<CTimeField>("toMinuteEdit");
    PressKey(hour, Qt::Key_Up);
    EXPECT_EQ(hour->text(), "1");  // from empty, at the first position
    PressKey(hour, Qt::Key_Down);
    PressKey(hour, Qt::Key_Down);
    EXPECT_EQ(hour->text(), "24");
    PressKey(hour, Qt::Key_Up);
    EXPECT_EQ(hour->text(), "0");
    minute->SetText("60");
    PressKey(minute, Qt::Key_Up);
    EXPECT_EQ(minute->text(), "0");
    minute->SetText("07 min");
    PressKey(minute, Qt::Key_Up);
    EXPECT_EQ(minute->text(), "8");
}

}  // namespace
}  // namespace varnolt
