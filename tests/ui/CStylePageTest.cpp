#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <optional>

#include "MemorySettingsStore.h"
#include "app/CRASSheet.h"
#include "meter/CStylePage.h"

namespace varnolt {
namespace {

const char* const kButtons[] = {"styleFeeAndTime", "styleFeeOnly", "styleTimeOnly",
                                "styleTitleOnly"};

class StylePageUi : public ::testing::Test {
protected:
    // The page in a sheet, shown.
    void Open() {
        page = new CStylePage(store);
        sheet.AddPage(kPageWindowStyles, page);
        sheet.show();
        sheet.SendNotification(WM_SELECT_PAGE, kPageWindowStyles);
    }
    QRadioButton* Button(const char* name) { return page->findChild<QRadioButton*>(name); }
    // The name of the checked button; "" for none.
    std::string Checked() {
        for (const char* name : kButtons) {
            if (Button(name)->isChecked()) {
                return name;
            }
        }
        return "";
    }

    test::MemorySettingsStore store;
    CRASSheet sheet{false};
    CStylePage* page = nullptr;
};

TEST_F(StylePageUi, JoinsTheSheetAndShowsTheFourStylesWithExamples) {
    page = new CStylePage(store);
    sheet.AddPage(kPageWindowStyles, page);
    EXPECT_EQ(sheet.Tabs()->tabText(sheet.Tabs()->indexOf(page)), "Window styles");
    EXPECT_EQ(page->findChild<QGroupBox*>("captionGroup"), nullptr);  // built when first shown

    sheet.show();
    sheet.SendNotification(WM_SELECT_PAGE, kPageWindowStyles);
    auto* group = page->findChild<QGroupBox*>("captionGroup");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Varnolt caption");
    QStringList texts;
    for (const char* name : kButtons) {
        ASSERT_NE(Button(name), nullptr) << name;
        auto* example = page->findChild<QLabel*>(QString(name) + "Example");
        ASSERT_NE(example, nullptr) << name;
        texts << Button(name)->text() + " " + example->text();
    }
    EXPECT_EQ(texts, (QStringList{"Display both, call-fee and time (e.g. 11.38 $ / 00:45:23h)",
                                  "Display only call-fee (e.g. 11.38 $ / Varnolt)",
                                  "Display only time (e.g. 00:45:23h / Varnolt)",
                                  "Display only title (Varnolt / connect)"}));
}

TEST_F(StylePageUi, ChecksTheStoredStyleAndStoresAClickAtOnce) {
    struct Case {
        std::optional<int> stored;
        const char* checked;
    };
    for (const Case& c : {Case{std::nullopt, "styleFeeAndTime"}, Case{2, "styleTimeOnly"},
                          Case{7, ""}, Case{-3, ""}}) {
        test::MemorySettingsStore fresh;
        if (c.stored) {
            fresh.WriteInt("All entries", "Style", *c.stored);
        }
        CRASSheet other(false);
        page = new CStylePage(fresh);
        other.AddPage(kPageWindowStyles, page);
        other.show();
        other.SendNotification(WM_SELECT_PAGE, kPageWindowStyles);
        EXPECT_EQ(Checked(), c.checked) << c.stored.value_or(0);
    }

    Open();
    for (int style : {3, 1, 0, 2}) {
        Button(kButtons[style])->click();
        EXPECT_EQ(store.ReadInt("All entries", "Style", -1), style);
        EXPECT_EQ(Checked(), kButtons[style]);
    }
}

}  // namespace
}  // namespace varnolt
