// Walks every page of the sheet and every dialog the program opens: nothing is
// clipped, squeezed or overlapped, every control has a name a screen reader
// can say, and Tab goes through the controls in reading order. ctest runs
// these again at other scale factors, screen sizes and font sizes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "connection/CAutolaunchDlg.h"
#include "connection/CDialDlg.h"
#include "connection/CLoginSettingsDlg.h"
#include "connection/CTreePage.h"
#include "holiday/CInsertHolidayDlg.h"
#include "holiday/CPublicHolidaysDlg.h"
#include "posix/PosixExportFile.h"
#include "provider/CProviderDialog.h"
#include "qt/QtEntryDialog.h"
#include "qt/QtSound.h"

namespace varnolt {
namespace {

std::string Describe(const QWidget* widget) {
    const QRect r = widget->geometry();
    return QStringLiteral("%1 '%2' at %3,%4 %5x%6")
        .arg(widget->metaObject()->className(), widget->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

QRect RectIn(const QWidget* widget, const QWidget* container) {
    return QRect(widget->mapTo(container, QPoint(0, 0)), widget->size());
}

bool InLayout(const QLayout& layout, const QWidget* widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == widget || (item->layout() && InLayout(*item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

// The least size a layout may give a widget, reckoned as Qt's layouts do.
QSize LeastSize(const QWidget* widget) {
    const auto least = [](QSizePolicy::Policy policy, int hint, int minimumHint, int minimum) {
        if (minimum > 0) {
            return minimum;
        }
        if (policy == QSizePolicy::Ignored) {
            return 0;
        }
        return (policy & QSizePolicy::ShrinkFlag) ? minimumHint : std::max(hint, minimumHint);
    };
    const QSizePolicy policy = widget->sizePolicy();
    const QSize hint = widget->sizeHint();
    const QSize minimumHint = widget->minimumSizeHint();
    const int width =
        least(policy.horizontalPolicy(), hint.width(), minimumHint.width(), widget->minimumWidth());
    // Wrapped text needs the height its width leaves it.
    const int height = widget->hasHeightForWidth()
                           ? widget->heightForWidth(widget->width())
                           : least(policy.verticalPolicy(), hint.height(), minimumHint.height(),
                                   widget->minimumHeight());
    return QSize(width, height);
}

// The widgets a user works with: those that take focus, without the parts
// they are made of (a spin box's line edit, a list's scroll bars).
QList<QWidget*> Controls(const QWidget* container) {
    QList<QWidget*> controls;
    for (QWidget* widget : container->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(container) ||
            widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        bool part = false;
        for (QWidget* p = widget->parentWidget(); p != container; p = p->parentWidget()) {
            part = part || p->focusPolicy() != Qt::NoFocus;
        }
        if (!part) {
            controls << widget;
        }
    }
    return controls;
}

// Every visible widget lies wholly inside the container, no layout squeezes
// one below its least size, and no two controls overlap.
void ExpectUnclipped(const QWidget& container) {
    for (const QWidget* widget : container.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(&container)) {
            continue;
        }
        EXPECT_TRUE(container.rect().contains(RectIn(widget, &container)))
            << Describe(widget) << " sticks out of " << Describe(&container);
        const QLayout* layout = widget->parentWidget()->layout();
        if (layout != nullptr && InLayout(*layout, widget)) {
            const QSize least = LeastSize(widget);
            EXPECT_TRUE(widget->width() >= least.width() && widget->height() >= least.height())
                << Describe(widget) << " is squeezed below " << least.width() << "x"
                << least.height();
        }
    }
    const QList<QWidget*> controls = Controls(&container);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(
                RectIn(controls[i], &container).intersects(RectIn(controls[j], &container)))
                << Describe(controls[i]) << " overlaps " << Describe(controls[j]);
        }
    }
}

// What a screen reader says a widget is. On Linux a combo box's name is the
// value it holds, and the label that says what it is for is a relation.
QString SpokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr) {
        return {};
    }
    if (accessible->role() != QAccessible::ComboBox) {
        return accessible->text(QAccessible::Name).trimmed();
    }
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel*>(label->object()) != nullptr) {
            return label->text(QAccessible::Name).trimmed();
        }
    }
    return {};
}

// The control that takes the focus a widget holds for it (a spin box for
// its line edit).
QWidget* ControlOf(QWidget* focus) {
    while (focus->parentWidget() != nullptr && focus->parentWidget()->focusProxy() == focus) {
        focus = focus->parentWidget();
    }
    return focus;
}

// The controls of the container that Tab stops at, in the order it stops at
// them, going round from the window's focus. Disabled controls take part, as
// they will once they are enabled.
QList<QWidget*> TabStops(QWidget& container) {
    QList<QWidget*> disabled;
    for (QWidget* control : Controls(&container)) {
        if (!control->isEnabled()) {
            disabled << control;
            control->setEnabled(true);
        }
    }
    QWidget* window = container.window();
    QWidget* start = window->focusWidget();
    QList<QWidget*> stops;
    for (int i = 0; i < 500; ++i) {
        test::PressKey(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
        QWidget* focus = window->focusWidget();
        if (focus == nullptr || focus == start || stops.contains(ControlOf(focus))) {
            break;
        }
        start = start != nullptr ? start : focus;
        if (container.isAncestorOf(focus)) {
            stops << ControlOf(focus);
        }
    }
    for (QWidget* control : disabled) {
        control->setEnabled(false);
    }
    return stops;
}

// Whether Tab going from one control to the next goes against reading order:
// back up the page (other than up into a column further right), or back left
// within a row.
bool AgainstReadingOrder(const QRect& from, const QRect& to) {
    const bool up = to.bottom() < from.top();
    const bool intoColumnOnTheRight = to.left() > from.right();
    const bool sameRow = to.top() <= from.bottom() && from.top() <= to.bottom();
    const bool left = to.right() < from.left();
    return (up && !intoColumnOnTheRight) || (sameRow && left);
}

// Every control, and every progress bar, has a name a screen reader can say;
// Tab reaches the controls in reading order.
void ExpectNamedInReadingOrder(QWidget& container) {
    QList<QWidget*> named = Controls(&container);
    for (QProgressBar* bar : container.findChildren<QProgressBar*>()) {
        named << bar;
    }
    for (QWidget* widget : named) {
        EXPECT_FALSE(SpokenName(widget).isEmpty()) << Describe(widget) << " has no name";
    }
    const QList<QWidget*> stops = TabStops(container);
    for (qsizetype i = 1; i < stops.size(); ++i) {
        EXPECT_FALSE(
            AgainstReadingOrder(RectIn(stops[i - 1], &container), RectIn(stops[i], &container)))
            << "Tab goes from " << Describe(stops[i - 1]) << " back to " << Describe(stops[i]);
    }
}

// With VARNOLT_UI_SHOTS set to a folder, the walk leaves a picture of each
// page and dialog there, to be looked at.
void KeepPicture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VARNOLT_UI_SHOTS");
    if (!folder.isEmpty()) {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
        window.grab().save(QStringLiteral("%1/%2@%3x.png").arg(folder, name, scale));
    }
}

// The sheet with every page the program has, composed as the program does, on fakes.
class EveryPage : public ::testing::Test {
protected:
    EveryPage() {
        dialer.AddEntry("Office");
        AddProgramPages(sheet, {store,
                                dialer,
                                locale,
                                prompts,
                                clock,
                                timers,
                                sound,
                                shell,
                                lock,
                                files,
                                {"/home/user/.config/Kessendral/varnolt.db", true, false},
                                {"/home/user/.config/Kessendral/phonebook.db", true, false}});
        sheet.show();
        QApplication::processEvents();
    }

    // Shows every page the sheet holds in turn and checks it.
    void ForEachPage(const std::function<void(CSheetPage&)>& check) {
        for (int index = 0; index < kPageCount; ++index) {
            if (CSheetPage* page = sheet.Page(index)) {
                SCOPED_TRACE(CRASSheet::TabTitle(index).toStdString());
                sheet.SendNotification(WM_SELECT_PAGE, index);
                QApplication::processEvents();
                check(*page);
            }
        }
    }

    test::MemorySettingsStore store;
    test::ScriptedDialer dialer;
    test::FixedLocale locale;
    test::ScriptedPrompts prompts;
    test::FakeClock clock;
    test::FakeTimers timers{clock};
    QtSound sound;
    test::RecordingShell shell;
    test::FakeCallLock lock;
    PosixExportFile files;
    CRASSheet sheet{false};
};

TEST_F(EveryPage, FitsTheScreenAndShowsEveryControlWhole) {
    const QRect screen = sheet.screen()->availableGeometry();
    auto* area = sheet.findChild<QScrollArea*>("sheetPageArea");
    ASSERT_NE(area, nullptr);
    ForEachPage([&](CSheetPage& page) {
        EXPECT_TRUE(screen.contains(sheet.frameGeometry()))
            << "sheet " << Describe(&sheet) << " on a screen of " << screen.width() << "x"
            << screen.height();
        // Never below the page size nor below what the controls need; what
        // the screen has no room for can be scrolled to.
        const QSize least = page.minimumSizeHint();
        EXPECT_GE(least.width(), CSheetPage::PageSize(page.font()).width());
        EXPECT_GE(least.height(), CSheetPage::PageSize(page.font()).height());
        EXPECT_TRUE(page.width() >= least.width() && page.height() >= least.height())
            << Describe(&page) << " is squeezed below " << least.width() << "x" << least.height();
        // Scrolling one way never makes the other way scroll when the screen
        // is wide (or high) enough.
        const QSize shown = area->viewport()->size();
        const QSize whole = sheet.Tabs()->size();
        // A vertical scroll bar takes its width from the room across.
        const int bar = area->verticalScrollBar()->isVisible() ? area->verticalScrollBar()->width() : 0;
        const int roomAcross =
            screen.width() - (sheet.frameGeometry().width() - area->width()) - bar;
        EXPECT_EQ(area->horizontalScrollBar()->isVisible(), whole.width() > roomAcross)
            << "the pages are " << whole.width() << " wide, room for " << roomAcross;
        EXPECT_TRUE(whole.width() <= shown.width() || area->horizontalScrollBar()->isVisible());
        EXPECT_TRUE(whole.height() <= shown.height() || area->verticalScrollBar()->isVisible());
        ExpectUnclipped(page);
        KeepPicture(sheet, page.objectName());
    });
}

TEST_F(EveryPage, TabReachesNamedControlsInReadingOrder) {
    ForEachPage([&](CSheetPage& page) {
        sheet.Tabs()->tabBar()->setFocus();  // Tab goes on into the page
        ExpectNamedInReadingOrder(page);
    });
}

// Every dialog the program opens, on fakes. A dialog that joins the program
// joins here with one line.
struct DialogFakes {
    test::MemorySettingsStore store;
    test::ScriptedDialer dialer;
    test::ScriptedPrompts prompts;
    std::string description = "Night rate";
};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(DialogFakes&)> make;
};

const auto kAcceptEntry = [](const PhonebookEntry&) { return std::string(); };

const DialogCase kDialogs[] = {
    {"InsertHoliday",
     [](DialogFakes& f) {
         return std::make_unique<CInsertHolidayDlg>(CHolidayEntry{"Christmas", 25, 12, 0},
                                                    f.prompts);
     }},
    {"PublicHolidays",
     [](DialogFakes&) { return std::make_unique<CPublicHolidaysDlg>(2026, GermanState::Bayern); }},
    {"LoginSettings",
     [](DialogFakes& f) {
         return std::make_unique<CLoginSettingsDlg>(LoginSettings{"joe", "secret", 30}, f.prompts);
     }},
    {"Dial",
     [](DialogFakes& f) {
         return std::make_unique<CDialDlg>("Office", DialCredentials{"joe", "", true}, f.prompts);
     }},
    {"Autolaunch",
     [](DialogFakes& f) {
         return std::make_unique<CAutolaunchDlg>(
             AutolaunchApplication{"/usr/bin/xterm", "xterm", 0}, f.prompts);
     }},
    {"NewEntry",
     [](DialogFakes& f) {
         return std::make_unique<QtEntryDialog>(QtEntryDialog::Mode::New, PhonebookEntry{},
                                                kAcceptEntry, f.prompts);
     }},
    {"EditEntry",
     [](DialogFakes& f) {
         PhonebookEntry entry{
             "Office", "0301234", PhonebookEntry::kDevice, LineAnswer::Connect, 3, 0, true,
             "joe",    "secret"};
         return std::make_unique<QtEntryDialog>(QtEntryDialog::Mode::Edit, entry, kAcceptEntry,
                                                f.prompts);
     }},
    {"Provider",
     [](DialogFakes& f) {
         f.dialer.AddEntry("Office");
         return std::make_unique<CProviderDialog>(f.description, 0, f.store, f.dialer, f.prompts);
     }},
};

void PrintTo(const DialogCase& dialog, std::ostream* out) {
    *out << dialog.name;
}

class EveryDialog : public ::testing::TestWithParam<DialogCase> {
protected:
    void SetUp() override {
        dialog = GetParam().make(fakes);
        dialog->show();
        QApplication::processEvents();
    }

    DialogFakes fakes;
    std::unique_ptr<QDialog> dialog;
};

TEST_P(EveryDialog, FitsTheScreenAndShowsEveryControlWhole) {
    const QRect screen = dialog->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(dialog->frameGeometry())) << Describe(dialog.get());
    ExpectUnclipped(*dialog);
    KeepPicture(*dialog, GetParam().name);
}

TEST_P(EveryDialog, TabReachesNamedControlsInReadingOrder) {
    if (QWidget* focus = dialog->focusWidget()) {
        focus->clearFocus();  // the first Tab goes to the start of the order
    }
    ExpectNamedInReadingOrder(*dialog);
}

INSTANTIATE_TEST_SUITE_P(All, EveryDialog, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnolt
