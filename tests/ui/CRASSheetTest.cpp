#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/CSheetPage.h"

namespace varnolt {
namespace {

// A page that records what the sheet asks of it.
class RecordingPage : public CSheetPage {
public:
    int reloadPhonebook = 0, reloadLog = 0, reloadAutoconnect = 0, hangUps = 0, closings = 0;
    bool connected = false;

    void OnReloadPhonebook() override { ++reloadPhonebook; }
    void OnReloadLog() override { ++reloadLog; }
    void OnReloadAutoconnect() override { ++reloadAutoconnect; }
    bool IsConnected() const override { return connected; }
    void OnMenuHangUp() override { ++hangUps; }
    void OnSheetClosing() override { ++closings; }
};

// A page whose controls, built when it is first shown, need a given size:
// a button, a body of that size, a button.
class SizedPage : public CSheetPage {
public:
    explicit SizedPage(QSize body) : m_body(body) {}
    QPushButton* first = nullptr;
    QPushButton* last = nullptr;

protected:
    void OnInitPage() override {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(first = new QPushButton("First", this));
        auto* body = new QWidget(this);
        body->setMinimumSize(m_body);
        layout->addWidget(body);
        layout->addWidget(last = new QPushButton("Last", this));
    }

private:
    QSize m_body;
};

QStringList TabTitles(const CRASSheet& sheet) {
    QStringList titles;
    for (int i = 0; i < sheet.Tabs()->count(); ++i)
        titles << sheet.Tabs()->tabText(i);
    return titles;
}

TEST(CRASSheet, CaptionButtonsAndIcon) {
    CRASSheet sheet(false);
    EXPECT_EQ(sheet.windowTitle(), "Varnolt 0.63 NT [Beta]");
    auto* box = sheet.findChild<QDialogButtonBox*>("sheetButtons");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->buttons().size(), 2);
    EXPECT_NE(box->button(QDialogButtonBox::Ok), nullptr);
    EXPECT_NE(box->button(QDialogButtonBox::Cancel), nullptr);
    EXPECT_EQ(box->button(QDialogButtonBox::Apply), nullptr);
    EXPECT_FALSE(sheet.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QIcon icon = sheet.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

TEST(CRASSheet, TheTrayTooltipRepeatsTheCaption) {
    CRASSheet sheet(true);
    CaptionView& caption = sheet;
    caption.SetCaption("0.12 DM / 00:00:01 h");
    EXPECT_EQ(sheet.windowTitle(), "0.12 DM / 00:00:01 h");
    EXPECT_EQ(sheet.TrayIcon()->toolTip(), "0.12 DM / 00:00:01 h");
    // While connected it says what the call is, until the next caption.
    caption.SetCallSummary("Office\nConnected for 00:00:01 h\nFee so far: 0.12 DM");
    EXPECT_EQ(sheet.TrayIcon()->toolTip(), "Office\nConnected for 00:00:01 h\nFee so far: 0.12 DM");
    EXPECT_EQ(sheet.windowTitle(), "0.12 DM / 00:00:01 h");
    caption.SetCaption("Varnolt 0.63 NT [Beta]");
    EXPECT_EQ(sheet.TrayIcon()->toolTip(), "Varnolt 0.63 NT [Beta]");
}

TEST(CRASSheet, PagesTakeTheirFixedPlaceWhateverOrderTheyJoinIn) {
    CRASSheet sheet(false);
    EXPECT_EQ(sheet.Tabs()->count(), 0);  // no placeholder tabs
    auto* about = new RecordingPage;
    auto* holiday = new RecordingPage;
    auto* phonebook = new RecordingPage;
    sheet.AddPage(kPageAbout, about);
    sheet.AddPage(kPageHolidayDatabase, holiday);
    sheet.AddPage(kPagePhonebook, phonebook);
    RecordingPage stray;
    sheet.AddPage(9, &stray);  // not a page index: ignored
    EXPECT_EQ(TabTitles(sheet), (QStringList{"Phonebook", "Holiday database", "About"}));
    EXPECT_EQ(sheet.Page(kPageHolidayDatabase), holiday);
    EXPECT_EQ(sheet.Page(kPageLogView), nullptr);
    EXPECT_EQ(phonebook->minimumSizeHint(), CSheetPage::PageSize(phonebook->font()));
    EXPECT_EQ(sheet.Tabs()->currentWidget(), phonebook);  // shown first though it joined last

    QStringList all;
    for (int i = 0; i < kPageCount; ++i)
        all << CRASSheet::TabTitle(i);
    EXPECT_EQ(all, (QStringList{"Phonebook", "LOG view", "Scale manager", "Holiday database",
                                "Options", "Window styles", "About", "Statistics"}));
}

TEST(CRASSheet, PageSizeFollowsTheFontsDialogUnits) {
    QFont small = QApplication::font();
    small.setPointSize(8);
    QFont large = small;
    large.setPointSize(16);
    QSize a = CSheetPage::PageSize(small);
    QSize b = CSheetPage::PageSize(large);
    EXPECT_GT(a.width(), 320);  // a dialog unit is more than a pixel at 8 points
    EXPECT_GT(b.width(), a.width() * 3 / 2);
    EXPECT_GT(b.height(), a.height() * 3 / 2);
    // Wider than high, as 320 by 239 dialog units are.
    EXPECT_GT(a.width(), a.height());
}

TEST(CRASSheet, GrowsForItsPagesControlsAndFont) {
    CRASSheet sheet(false);
    sheet.AddPage(kPagePhonebook, new RecordingPage);
    const QSize pageSize = CSheetPage::PageSize(sheet.font());
    auto* page = new SizedPage(QSize(pageSize.width() / 2, pageSize.height() + 50));
    sheet.AddPage(kPageAbout, page);
    sheet.show();
    const int before = sheet.height();
    // Built on first show; no round of layout events in between, so the
    // page is never squeezed.
    sheet.SendNotification(WM_SELECT_PAGE, kPageAbout);
    EXPECT_GT(page->minimumSizeHint().height(), pageSize.height() + 50);
    EXPECT_GE(page->height(), page->minimumSizeHint().height());
    EXPECT_GE(sheet.height(), before + 50);

    QFont larger = sheet.font();
    larger.setPointSize(larger.pointSize() + 2);
    sheet.setFont(larger);
    QApplication::processEvents();
    EXPECT_GE(page->width(), CSheetPage::PageSize(larger).width());
    EXPECT_GE(page->height(), CSheetPage::PageSize(larger).height());

    // A control that comes to need more room (a longer text, say).
    page->first->setMinimumHeight(CSheetPage::PageSize(larger).height() / 2);
    QApplication::processEvents();
    EXPECT_GE(page->height(), page->minimumSizeHint().height());
    auto* area = sheet.findChild<QScrollArea*>("sheetPageArea");
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());  // the sheet grew instead
}

TEST(CRASSheet, StaysOnAScreenTooSmallForItsPagesWhichScrollInstead) {
    CRASSheet sheet(false);
    const QRect screen = sheet.screen()->availableGeometry();
    auto* huge = new SizedPage(screen.size() * 2);
    sheet.AddPage(kPagePhonebook, huge);
    sheet.show();
    QApplication::processEvents();  // the window frame is known once shown
    EXPECT_TRUE(screen.contains(sheet.frameGeometry()));
    EXPECT_GE(huge->width(), screen.width() * 2);
    EXPECT_GE(huge->height(), screen.height() * 2);
    auto* area = sheet.findChild<QScrollArea*>("sheetPageArea");
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
}

TEST(CRASSheet, TabGoesFromTheTabsThroughThePageToOkAndCancel) {
    CRASSheet sheet(false);
    auto* page = new SizedPage(QSize(10, 10));
    sheet.AddPage(kPagePhonebook, page);
    sheet.show();  // the page builds its controls after the sheet's buttons
    sheet.Tabs()->tabBar()->setFocus();
    QList<QWidget*> stops;
    for (int i = 0; i < 5; ++i) {
        test::PressKey(sheet.focusWidget(), Qt::Key_Tab);
        stops << sheet.focusWidget();
    }
    auto* box = sheet.findChild<QDialogButtonBox*>("sheetButtons");
    EXPECT_EQ(stops,
              (QList<QWidget*>{page->first, page->last, box->button(QDialogButtonBox::Ok),
                               box->button(QDialogButtonBox::Cancel), sheet.Tabs()->tabBar()}));
}

TEST(CRASSheet, RelaysNotificationsToPagesNeverShown) {
    CRASSheet sheet(false);
    RecordingPage* pages[kPageCount];
    for (int i = 0; i < kPageCount; ++i)
        sheet.AddPage(i, pages[i] = new RecordingPage);

    sheet.SendNotification(WM_RELOAD_PHONEBOOK, 0);
    sheet.SendNotification(WM_RELOAD_LOG, 0);
    sheet.SendNotification(WM_RELOAD_AUTOCONNECT, 0);
    EXPECT_EQ(pages[kPagePhonebook]->reloadPhonebook, 1);
    EXPECT_EQ(pages[kPageLogView]->reloadLog, 1);
    EXPECT_EQ(pages[kPageStatistics]->reloadLog, 1);
    EXPECT_EQ(pages[kPageOptions]->reloadAutoconnect, 1);
    EXPECT_FALSE(pages[kPageLogView]->IsInitialised());

    sheet.show();
    sheet.SendNotification(WM_SELECT_PAGE, kPageLogView);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), pages[kPageLogView]);
    EXPECT_TRUE(pages[kPageLogView]->IsInitialised());
    sheet.SendNotification(WM_SELECT_PAGE, kPageCount);
    sheet.SendNotification(WM_SELECT_PAGE, -1);
    sheet.SendNotification(0x8068, kPageAbout);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), pages[kPageLogView]);
}

TEST(CRASSheet, SelectingAPageNotBuiltYetIsIgnored) {
    CRASSheet sheet(false);
    auto* phonebook = new RecordingPage;
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.AddPage(kPageHolidayDatabase, new RecordingPage);
    sheet.SendNotification(WM_SELECT_PAGE, kPageScaleManager);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), phonebook);
    // A reload for a page that is absent does nothing at all.
    sheet.SendNotification(WM_RELOAD_LOG, 0);
}

TEST(CRASSheet, HangUpCommandStartsGreyedAndReachesThePhonebook) {
    CRASSheet sheet(true);
    auto* phonebook = new RecordingPage;
    sheet.AddPage(kPagePhonebook, phonebook);
    QAction* hangUp = sheet.HangUpAction();
    EXPECT_EQ(hangUp->text(), "Hang up connection");
    EXPECT_EQ(hangUp->data().toInt(), 32782);
    EXPECT_FALSE(hangUp->isEnabled());
    ASSERT_NE(sheet.TrayIcon(), nullptr);
    ASSERT_NE(sheet.TrayIcon()->contextMenu(), nullptr);
    EXPECT_TRUE(sheet.TrayIcon()->contextMenu()->actions().contains(hangUp));
    EXPECT_EQ(sheet.TrayIcon()->toolTip(), "Varnolt 0.63 NT [Beta]");
    sheet.setWindowTitle("0.36 EUR");
    EXPECT_EQ(sheet.TrayIcon()->toolTip(), "0.36 EUR");

    sheet.EnableHangUpCommand(true);
    EXPECT_TRUE(hangUp->isEnabled());
    hangUp->trigger();
    EXPECT_EQ(phonebook->hangUps, 1);
    sheet.EnableHangUpCommand(false);
    EXPECT_FALSE(hangUp->isEnabled());
    hangUp->trigger();  // greyed: does nothing
    EXPECT_EQ(phonebook->hangUps, 1);
}

class ConnectedSheet : public ::testing::TestWithParam<bool> {};

TEST_P(ConnectedSheet, RefusesCloseAndRestoresOnlyWhenTheTrayCanBringItBack) {
    const bool tray = GetParam();
    CRASSheet sheet(tray);
    auto* phonebook = new RecordingPage;
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.show();
    phonebook->connected = true;
    sheet.showMinimized();
    QApplication::processEvents();

    QCloseEvent close;
    QApplication::sendEvent(&sheet, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(sheet.isVisible());

    sheet.showNormal();  // a restore request
    QApplication::processEvents();
    EXPECT_EQ(sheet.isMinimized(), tray);

    // Once the line is down both work again.
    phonebook->connected = false;
    QApplication::processEvents();
    sheet.showNormal();
    QApplication::processEvents();
    EXPECT_FALSE(sheet.isMinimized());
    QCloseEvent close2;
    QApplication::sendEvent(&sheet, &close2);
    EXPECT_TRUE(close2.isAccepted());
    EXPECT_EQ(phonebook->closings, 1);  // the page hung up before the sheet went
}

INSTANTIATE_TEST_SUITE_P(Tray, ConnectedSheet, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithTray" : "WithoutTray"; });

TEST(CRASSheet, ClosingAfterACallWaitsForTheHandlerThatAskedForIt) {
    CRASSheet sheet(false);
    auto* phonebook = new RecordingPage;
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.show();
    static_cast<SheetWindow&>(sheet).CloseSheetLater();
    EXPECT_EQ(phonebook->closings, 0);
    QApplication::processEvents();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(phonebook->closings, 1);
}

TEST(CRASSheet, OkAndCancelLetThePagesHangUpFirst) {
    for (auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
        CRASSheet sheet(false);
        auto* phonebook = new RecordingPage;
        sheet.AddPage(kPagePhonebook, phonebook);
        sheet.show();
        sheet.findChild<QDialogButtonBox*>("sheetButtons")->button(button)->click();
        EXPECT_EQ(phonebook->closings, 1);
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(sheet.result(),
                  button == QDialogButtonBox::Ok ? QDialog::Accepted : QDialog::Rejected);
    }
}

}  // namespace
}  // namespace varnolt
