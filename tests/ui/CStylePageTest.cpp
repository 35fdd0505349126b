#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <utility>

#include "MemorySettingsStore.h"
#include "app/CRASSheet.h"
#include "meter/CStylePage.h"

namespace varnolt {
namespace {

const char* const kButtons[] = {"styleFeeAndTime", "styleFeeOnly", "styleTimeOnly",
                                "styleTitleOnly"};

QRadioButton* Button(const CStylePage& page, const char* name) {
    return page.findChild<QRadioButton*>(name);
}

// The name of the checked button; "" for none.
std::string Checked(const CStylePage& page) {
    for (const char* name : kButtons) {
        if (Button(page, name)->isChecked()) {
            return name;
        }
    }
    return "";
}

TEST(StylePageUi, JoinsTheSheetAndShowsTheFourStylesWithExamples) {
    test::MemorySettingsStore store;
    CRASSheet sheet(false);
    auto* page = new CStylePage(store);
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
        auto* example = page->findChild<QLabel*>(QString(name) + "Example");
        ASSERT_TRUE(Button(*page, name) != nullptr && example != nullptr) << name;
        texts << Button(*page, name)->text() + " " + example->text();
    }
    EXPECT_EQ(texts, (QStringList{"Display both, call-fee and time (e.g. 11.38 $ / 00:45:23h)",
                                  "Display only call-fee (e.g. 11.38 $ / Varnolt)",
                                  "Display only time (e.g. 00:45:23h / Varnolt)",
                                  "Display only title (Varnolt / connect)"}));
}

TEST(StylePageUi, ChecksTheStoredStyleAndStoresAClickAtOnce) {
    for (const auto& [stored, checked] :
         {std::pair<int, const char*>{2, "styleTimeOnly"}, {7, ""}, {-3, ""}}) {
        test::MemorySettingsStore store;
        store.WriteInt("All entries", "Style", stored);
        CStylePage page(store);
        page.EnsureInitialised();
        EXPECT_EQ(Checked(page), checked) << stored;
    }

    test::MemorySettingsStore store;  // nothing stored: style 0
    CStylePage page(store);
    page.EnsureInitialised();
    EXPECT_EQ(Checked(page), "styleFeeAndTime");
    for (int style : {3, 1, 0, 2}) {
        Button(page, kButtons[style])->click();
        EXPECT_EQ(store.ReadInt("All entries", "Style", -1), style);
        EXPECT_EQ(Checked(page), kButtons[style]);
    }
}

}  // namespace
}  // namespace varnolt
