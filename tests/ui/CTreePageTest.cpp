#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTabWidget>
#include <QTreeWidget>

#include "FakeClock.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WhenModal.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/LocalTime.h"
#include "connection/CAutolaunchDlg.h"
#include "connection/CLoginSettingsDlg.h"
#include "connection/CTreePage.h"
#include "connection/TreeCommands.h"
#include "log/CConnectionLog.h"
#include "meter/CallAccounting.h"

namespace varnolt {
namespace {

using test::FixedLocale;
using test::MemorySettingsStore;
using test::RecordingSheetHost;
using test::ScriptedDialer;
using test::ScriptedPrompts;
using Sent = RecordingSheetHost::Sent;

std::string DescribeMenu(const QMenu& menu) {
    std::string out;
    for (const QAction* action : menu.actions()) {
        if (!out.empty()) {
            out += ", ";
        }
        if (action->isSeparator()) {
            out += "-";
            continue;
        }
        out += action->text().toStdString() + "=" + std::to_string(action->data().toInt());
        out += action->isEnabled() ? "" : "(off)";
        out += action->isChecked() ? "(x)" : "";
    }
    return out;
}

void Outline(const QTreeWidgetItem* item, int depth, std::string& out) {
    out.append(static_cast<std::size_t>(depth), ' ').append(item->text(0).toStdString());
    out.append(item->isExpanded() ? " +\n" : "\n");
    for (int i = 0; i < item->childCount(); ++i) {
        Outline(item->child(i), depth + 1, out);
    }
}

// Fills line edits of a dialog by object name and presses OK.
void FillAndOk(QDialog& dialog, std::initializer_list<std::pair<const char*, const char*>> fields) {
    for (const auto& [name, text] : fields) {
        if (auto* edit = test::Child<QLineEdit>(&dialog, name)) {
            edit->setText(text);
        }
    }
    if (auto* buttons = test::Child<QDialogButtonBox>(&dialog, "buttons")) {
        buttons->button(QDialogButtonBox::Ok)->click();
    }
}

class CTreePageTest : public ::testing::Test {
protected:
    CTreePageTest() {
        dialer.AddEntry("Office", "jane", "secret", true);
        dialer.AddEntry("Home", "joe");
        store.WriteInt("Office", "Autolaunch", 1);
        store.WriteString("Office Autolaunch #1", "Description", "Mail");
        store.WriteString("Home", "Scale", "Userdefined");
        store.WriteInt("_Provider List_", "nCount", 1);
        store.WriteString("_Provider List_", "Provider #1", "City Net");
        store.WriteInt("Provider City Net", "How much entries", 2);
        store.WriteString("Provider City Net", "Phonebook #1", "Home");
        store.WriteString("Provider City Net", "Phonebook #2", "Office");
    }

    void Open(RemoteAccess* service = nullptr) {
        page = std::make_unique<CTreePage>(store, service != nullptr ? *service : dialer, locale,
                                           prompts, host);
        page->resize(560, 480);
        page->SetMenuPresenter([this](QMenu& menu, const QPoint&) -> QAction* {
            menus.push_back(DescribeMenu(menu));
            for (QAction* action : menu.actions()) {
                if (action->text() == choose) {
                    return action;
                }
            }
            return nullptr;
        });
        page->show();
        QApplication::processEvents();
        tree = page->Tree();
        ASSERT_NE(tree, nullptr);
    }

    // The item reached by texts from the root down.
    QTreeWidgetItem* Item(std::initializer_list<const char*> path) {
        QTreeWidgetItem* item = nullptr;
        for (const char* text : path) {
            QTreeWidgetItem* next = nullptr;
            const int count = item ? item->childCount() : tree->topLevelItemCount();
            for (int i = 0; i < count && next == nullptr; ++i) {
                QTreeWidgetItem* candidate = item ? item->child(i) : tree->topLevelItem(i);
                if (candidate->text(0) == text) {
                    next = candidate;
                }
            }
            if (next == nullptr) {
                ADD_FAILURE() << "no item " << text;
                return nullptr;
            }
            item = next;
        }
        return item;
    }

    QPoint PointOf(QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        QApplication::processEvents();
        return tree->visualItemRect(item).center();
    }
    void RightClickAt(const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, tree->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(tree->viewport(), &event);
    }
    // The menu a right click on the item shows; "" for none.
    std::string MenuOf(QTreeWidgetItem* item) {
        menus.clear();
        RightClickAt(PointOf(item));
        return menus.empty() ? "" : menus.back();
    }
    void DoubleClick(QTreeWidgetItem* item) {
        const QPoint pos = PointOf(item);
        const QPoint global = tree->viewport()->mapToGlobal(pos);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, pos, global, Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(tree->viewport(), &event);
        }
    }
    void Press(QTreeWidgetItem* item, Qt::Key key) {
        tree->setCurrentItem(item);
        test::PressKey(tree, key);
    }
    template <typename T>
    T* Widget(const char* name) {
        return test::Child<T>(page.get(), name);
    }
    std::string TreeOutline() {
        std::string out;
        Outline(tree->topLevelItem(0), 0, out);
        return out;
    }

    MemorySettingsStore store;
    ScriptedDialer dialer;
    FixedLocale locale{"EUR"};
    RecordingSheetHost host;
    ScriptedPrompts prompts;
    std::unique_ptr<CTreePage> page;
    QTreeWidget* tree = nullptr;
    std::vector<std::string> menus;
    QString choose;  // the menu item the "user" picks
};

TEST_F(CTreePageTest, LayoutAndStateAfterSetUp) {
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(tree->objectName(), "phonebookTree");
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_TRUE(tree->rootIsDecorated());
    EXPECT_EQ(tree->dragDropMode(), QAbstractItemView::NoDragDrop);
    EXPECT_EQ(tree->iconSize(), QSize(16, 16));

    EXPECT_EQ(Widget<QLabel>("connectStatusLabel")->text(), "Connect status:");
    auto* status = Widget<QLabel>("statusLine");
    EXPECT_EQ(status->text(), "no connection established");
    EXPECT_EQ(status->frameShape(), QFrame::Panel);
    EXPECT_EQ(status->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(status->alignment(), Qt::AlignCenter);
    EXPECT_EQ(Widget<QLabel>("redialProgressLabel")->text(), "Redial progress:");
    auto* progress = Widget<QProgressBar>("redialProgress");
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 10);
    EXPECT_EQ(progress->value(), 0);
    auto* dial = Widget<QPushButton>("dialButton");
    auto* cancel = Widget<QPushButton>("cancelButton");
    EXPECT_EQ(dial->text(), "&Dial");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_FALSE(dial->isEnabled());
    EXPECT_FALSE(cancel->isEnabled());
    // The tree on top, the status area below it.
    EXPECT_LT(tree->geometry().bottom(), status->geometry().top());
    EXPECT_LT(status->geometry().bottom(), progress->geometry().top());
}

TEST_F(CTreePageTest, TreeShowsEverythingWithOnlyTheRootExpanded) {
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(TreeOutline(),
              "Varnolt +\n"
              " Overall call-fee indicator\n"
              "  Costs: 0 EUR\n"
              "  Last connect: <unknown>\n"
              " Phonebook\n"
              "  Office\n"
              "   Login settings\n"
              "    User: jane\n"
              "    Password: *****\n"
              "    Redial after 10 secs\n"
              "   Autolaunch\n"
              "    Mail\n"
              "   Call-fee indicator\n"
              "    Scale: Deutsche Telekom City\n"
              "    Costs: 0 EUR\n"
              "    Last connect: <unknown>\n"
              "  Home\n"
              "   Login settings\n"
              "    User: joe\n"
              "    Password: <no password defined>\n"
              "    Redial after 10 secs\n"
              "   Autolaunch\n"
              "   Call-fee indicator\n"
              "    Scale: Userdefined scale #1\n"
              "    Costs: 0 EUR\n"
              "    Last connect: <unknown>\n"
              " Provider\n"
              "  City Net\n"
              "   Home\n"
              "   Office\n");

    // Every item has its role's picture.
    const QImage root = tree->topLevelItem(0)->icon(0).pixmap(16, 16).toImage();
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    QTreeWidgetItem* member = Item({"Varnolt", "Provider", "City Net", "Home"});
    ASSERT_TRUE(phonebook != nullptr && member != nullptr);
    EXPECT_EQ(root, CTreePage::RoleIcon(ImageRole::Program).pixmap(16, 16).toImage());
    EXPECT_EQ(phonebook->icon(0).pixmap(16, 16).toImage(),
              CTreePage::RoleIcon(ImageRole::Phonebook).pixmap(16, 16).toImage());
    EXPECT_EQ(member->icon(0).pixmap(16, 16).toImage(),
              CTreePage::RoleIcon(ImageRole::Entry).pixmap(16, 16).toImage());
}

TEST_F(CTreePageTest, LongTextsScrollSidewaysInsteadOfBeingCut) {
    const std::string name(120, 'W');
    dialer.AddEntry(name);
    ASSERT_NO_FATAL_FAILURE(Open());
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_NE(phonebook, nullptr);
    phonebook->setExpanded(true);
    QApplication::processEvents();
    QTreeWidgetItem* entry = Item({"Varnolt", "Phonebook", name.c_str()});
    const QRect rect = tree->visualItemRect(entry);
    EXPECT_GE(rect.width(), tree->fontMetrics().horizontalAdvance(QString::fromStdString(name)));
    EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
    // Short texts still take the whole width, so the highlight spans the view.
    phonebook->setExpanded(false);
    QApplication::processEvents();
    EXPECT_GE(tree->header()->sectionSize(0), tree->viewport()->width());
}

// The first `times` occurrences of `from` in text replaced by `to`.
std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to,
                         int times) {
    for (std::size_t at = 0; times-- > 0 && (at = text.find(from, at)) != std::string::npos;
         at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST_F(CTreePageTest, AccountingRewritesOnlyTheTotalsTexts) {
    const std::string odd = "B\xfcro \xff";  // hand-edited, not UTF-8
    dialer.AddEntry(odd);
    ASSERT_NO_FATAL_FAILURE(Open());
    Item({"Varnolt", "Phonebook", "Office", "Call-fee indicator"})->setExpanded(true);
    QTreeWidgetItem* selected = Item({"Varnolt", "Phonebook", "Home"});
    tree->setCurrentItem(selected);
    const std::string before = TreeOutline();

    test::FakeClock clock;
    CConnectionLog log(store, locale, dialer, host);
    CallAccounting accounting(store, clock, locale, log, host, page->TreeView());
    accounting.AccountCall({"Office", "jane", MakeLocal(1996, 3, 5, 9, 7, 15), 0.36f});
    // The overall indicator and Office come before Home.
    std::string expected = ReplaceFirst(before, "Costs: 0 EUR", "Costs: 0.36 EUR", 2);
    expected = ReplaceFirst(expected, "Last connect: <unknown>",
                            "Last connect: 05.03.1996 at 09:07:15 h", 2);
    EXPECT_EQ(TreeOutline(), expected);
    EXPECT_EQ(tree->currentItem(), selected);

    // An entry the tree does not show: only the overall totals change.
    accounting.AccountCall({"Gone", "", MakeLocal(1996, 3, 6, 9, 0, 0), 1.0f});
    EXPECT_EQ(TreeOutline(),
              ReplaceFirst(ReplaceFirst(expected, "0.36 EUR", "1.36 EUR", 1),
                           "05.03.1996 at 09:07:15 h", "06.03.1996 at 09:00:00 h", 1));

    // An entry is found by the exact bytes of its name.
    accounting.AccountCall({odd, "", MakeLocal(1996, 3, 7, 9, 0, 0), 0.5f});
    QTreeWidgetItem* fees = Item({"Varnolt", "Phonebook", odd.c_str(), "Call-fee indicator"});
    ASSERT_NE(fees, nullptr);
    EXPECT_EQ(fees->child(1)->text(0), "Costs: 0.50 EUR");
}

TEST_F(CTreePageTest, BranchesAreDrawnWithConnectingLines) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOption option;
    option.initFrom(tree);
    option.rect = image.rect();
    option.state = QStyle::State_Sibling | QStyle::State_Item;  // an item with one below it
    {
        QPainter painter(&image);
        tree->style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, tree);
    }
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += image.pixel(x, y) != QColor(Qt::white).rgb();
        }
    }
    EXPECT_GT(drawn, 10);
}

TEST(CTreePageIcons, EachRoleHasItsOwnPicture) {
    std::vector<QImage> images;
    for (int role = 0; role < kImageRoleCount; ++role) {
        QImage image = CTreePage::RoleIcon(static_cast<ImageRole>(role)).pixmap(16, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16)) << role;
        EXPECT_TRUE(image.hasAlphaChannel()) << role;
        EXPECT_EQ(qAlpha(image.pixel(0, 15)) + qAlpha(image.pixel(15, 0)) < 2 * 255, true)
            << "role " << role << " fills its whole square";
        for (std::size_t other = 0; other < images.size(); ++other) {
            EXPECT_NE(image, images[other]) << "roles " << role << " and " << other;
        }
        images.push_back(image);
    }
}

TEST_F(CTreePageTest, ReloadRebuildsFromThePhonebookAndTheStoreAsTheUserLeftIt) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Item({"Varnolt", "Provider", "City Net"})->setExpanded(true);  // shows once Provider is
    Item({"Varnolt", "Phonebook"})->setExpanded(true);
    tree->setCurrentItem(Item({"Varnolt", "Phonebook", "Office"}));
    dialer.AddEntry("Mobile");
    store.WriteString("All entries", "Total costs", "7.20");
    page->OnReloadPhonebook();
    EXPECT_NE(Item({"Varnolt", "Phonebook", "Mobile"}), nullptr);
    EXPECT_NE(Item({"Varnolt", "Overall call-fee indicator", "Costs: 7.20 EUR"}), nullptr);
    // Expanded and selected as before, by their texts; the rest collapsed.
    EXPECT_EQ(tree->selectedItems(),
              QList<QTreeWidgetItem*>{Item({"Varnolt", "Phonebook", "Office"})});
    EXPECT_TRUE(Item({"Varnolt", "Phonebook"})->isExpanded());
    EXPECT_TRUE(Item({"Varnolt", "Provider", "City Net"})->isExpanded());
    EXPECT_FALSE(Item({"Varnolt", "Provider"})->isExpanded());
    EXPECT_FALSE(Item({"Varnolt", "Phonebook", "Office"})->isExpanded());
}

TEST_F(CTreePageTest, AnEmptyPhonebookSaysHowToMakeTheFirstEntry) {
    ScriptedDialer empty;
    ASSERT_NO_FATAL_FAILURE(Open(&empty));
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_TRUE(phonebook != nullptr && phonebook->childCount() == 1);
    const QString hint = phonebook->child(0)->text(0);
    EXPECT_EQ(hint, "No entries yet: right-click here (or press Shift+F10) and choose New entry.");
    EXPECT_TRUE(phonebook->isExpanded());
    EXPECT_EQ(tree->currentItem(), phonebook->child(0));
    EXPECT_EQ(MenuOf(phonebook->child(0)), "&New entry...=1002");
    // With VARNOLT_UI_SHOTS set to a folder, the first screen is pictured there.
    if (const QString folder = qEnvironmentVariable("VARNOLT_UI_SHOTS"); !folder.isEmpty()) {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
        page->grab().save(QDir(folder).filePath(
            scale == "1" ? QStringLiteral("empty-phonebook.png")
                         : QStringLiteral("empty-phonebook@%1x.png").arg(scale)));
    }

    // A double click or Enter opens New entry; the first entry takes the hint's place.
    DoubleClick(phonebook->child(0));
    EXPECT_EQ(empty.createDialogCount, 1);
    empty.onCreateEntryDialog = [&] { empty.AddEntry("Office"); };
    Press(Item({"Varnolt", "Phonebook", hint.toUtf8().constData()}), Qt::Key_Return);
    EXPECT_EQ(empty.createDialogCount, 2);
    phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_EQ(phonebook->childCount(), 1);
    EXPECT_EQ(phonebook->child(0)->text(0), "Office");
    EXPECT_EQ(tree->currentItem(), phonebook->child(0));
}

TEST_F(CTreePageTest, TheMenuKeyAndShiftF10OpenTheSelectedItemsMenuAtTheItem) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QTreeWidgetItem* provider = Item({"Varnolt", "Provider"});
    tree->setCurrentItem(provider);
    std::vector<QPoint> at;
    page->SetMenuPresenter([&](QMenu& menu, const QPoint& globalPos) -> QAction* {
        menus.push_back(DescribeMenu(menu));
        at.push_back(tree->viewport()->mapFromGlobal(globalPos));
        return nullptr;
    });
    // The platform hands the Menu key to the focused tree as a keyboard context menu.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                              tree->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(tree, &menuKey);
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(tree, &shiftF10);
    EXPECT_EQ(menus, (std::vector<std::string>(2, "&New provider...=1036")));
    ASSERT_EQ(at.size(), 2u);
    EXPECT_TRUE(tree->visualItemRect(provider).contains(at[0]));
    EXPECT_EQ(at[1], at[0]);
    EXPECT_EQ(tree->currentItem(), provider);
}

TEST_F(CTreePageTest, ReloadBeforeSetUpWaitsForIt) {
    CTreePage early(store, dialer, locale, prompts, host);
    early.OnReloadPhonebook();
    EXPECT_EQ(early.Tree(), nullptr);
    dialer.AddEntry("Mobile");
    early.EnsureInitialised();
    ASSERT_NE(early.Tree(), nullptr);
    const QTreeWidgetItem* root = early.Tree()->topLevelItem(0);
    ASSERT_TRUE(root != nullptr && root->childCount() == 3);
    EXPECT_EQ(root->child(1)->childCount(), 3);
}

TEST_F(CTreePageTest, EachKindOfItemGetsItsMenu) {
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::string none;
    const struct {
        std::initializer_list<const char*> path;
        std::string menu;
    } cases[] = {
        {{"Varnolt"}, none},
        {{"Varnolt", "Overall call-fee indicator"}, none},
        {{"Varnolt", "Overall call-fee indicator", "Costs: 0 EUR"}, none},
        {{"Varnolt", "Phonebook"}, "&New entry...=1002"},
        {{"Varnolt", "Phonebook", "Office"},
         "&Dial entry=1005(off), -, &Edit entry...=1003, -, De&lete entry=1150, "
         "&Rename entry...=1151"},
        {{"Varnolt", "Phonebook", "Office", "Login settings"}, "&Edit login settings...=1016"},
        {{"Varnolt", "Phonebook", "Office", "Login settings", "Password: *****"},
         "&Edit login settings...=1016"},
        {{"Varnolt", "Phonebook", "Office", "Autolaunch"}, "&Insert application...=1006"},
        {{"Varnolt", "Phonebook", "Office", "Autolaunch", "Mail"},
         "&Edit application...=1010, -, &Delete application...=1011"},
        {{"Varnolt", "Phonebook", "Office", "Call-fee indicator"}, none},
        {{"Varnolt", "Phonebook", "Home", "Call-fee indicator", "Costs: 0 EUR"},
         "Scale: Deutsche Telekom City=1072, Scale: Deutsche Telekom Region 50=1073, "
         "Scale: Deutsche Telekom Region 200=1074, Scale: Deutsche Telekom Fern=1075, "
         "-, Scale: Userdefined scale #1=1076(x), Scale: Userdefined scale #2=1145, "
         "Scale: Userdefined scale #3=1146"},
        {{"Varnolt", "Provider"}, "&New provider...=1036"},
        {{"Varnolt", "Provider", "City Net"},
         "&Dial provider=1043(off), -, &Edit provider...=1042, &Delete provider...=1044"},
        {{"Varnolt", "Provider", "City Net", "Office"}, none},
    };
    for (const auto& c : cases) {
        QTreeWidgetItem* item = Item(c.path);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(MenuOf(item), c.menu) << item->text(0).toStdString();
        EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{item});
    }
}

TEST_F(CTreePageTest, TheScaleMenuSetsTheEntrysScale) {
    ASSERT_NO_FATAL_FAILURE(Open());
    choose = "Scale: Deutsche Telekom Fern";
    MenuOf(Item({"Varnolt", "Phonebook", "Home", "Call-fee indicator", "Last connect: <unknown>"}));
    EXPECT_EQ(store.ReadString("Home", "Scale", ""), "Deutsche Telekom Fern");
    // The first child of the call-fee indicator shows the new scale; the rest stays.
    QTreeWidgetItem* fees = Item({"Varnolt", "Phonebook", "Home", "Call-fee indicator"});
    QTreeWidgetItem* officeFees = Item({"Varnolt", "Phonebook", "Office", "Call-fee indicator"});
    ASSERT_TRUE(fees != nullptr && fees->childCount() == 3);
    ASSERT_TRUE(officeFees != nullptr && officeFees->childCount() == 3);
    EXPECT_EQ(fees->child(0)->text(0), "Scale: Deutsche Telekom Fern");
    EXPECT_EQ(fees->child(2)->text(0), "Last connect: <unknown>");
    EXPECT_EQ(officeFees->child(0)->text(0), "Scale: Deutsche Telekom City");
    choose.clear();
    EXPECT_NE(MenuOf(fees->child(0)).find("Scale: Deutsche Telekom Fern=1075(x)"),
              std::string::npos);
}

TEST_F(CTreePageTest, CommandsNameAnEntryByItsExactBytes) {
    const std::string name = "B\xfcro \xff";  // hand-edited, not UTF-8
    dialer.AddEntry(name);
    ASSERT_NO_FATAL_FAILURE(Open());
    choose = "&Edit entry...";
    MenuOf(Item({"Varnolt", "Phonebook", name.c_str()}));
    choose = "Scale: Deutsche Telekom Fern";
    MenuOf(Item({"Varnolt", "Phonebook", name.c_str(), "Call-fee indicator", "Costs: 0 EUR"}));
    EXPECT_EQ(dialer.editDialogNames, std::vector<std::string>{name});
    EXPECT_EQ(store.ReadString(name, "Scale", ""), "Deutsche Telekom Fern");
    const std::string shown = QString::fromStdString(name).toStdString();
    EXPECT_FALSE(store.HasValue(shown, "Scale"));
    // The menu marks the scale stored under the exact name.
    choose.clear();
    EXPECT_NE(MenuOf(Item({"Varnolt", "Phonebook", name.c_str(), "Call-fee indicator",
                           "Scale: Deutsche Telekom Fern"}))
                  .find("Fern=1075(x)"),
              std::string::npos);

    // Login settings and autolaunch applications go to the exact name as well.
    test::WhenModal<CLoginSettingsDlg>(*page, [](CLoginSettingsDlg& dialog) {
        FillAndOk(dialog, {{"userEdit", "joe"}});
    });
    choose = "&Edit login settings...";
    QTreeWidgetItem* login = Item({"Varnolt", "Phonebook", name.c_str(), "Login settings"});
    ASSERT_NE(login, nullptr);
    MenuOf(login);
    EXPECT_EQ(store.ReadInt(name, "Redial after", 0), 10);
    ASSERT_EQ(login->childCount(), 3);
    EXPECT_EQ(login->child(0)->text(0), "User: joe");
    EXPECT_EQ(login->child(1)->text(0), "Password: <no password defined>");
    test::WhenModal<CAutolaunchDlg>(*page, [](CAutolaunchDlg& dialog) {
        FillAndOk(dialog, {{"pathEdit", "/bin/true"}, {"descriptionEdit", "True"}});
    });
    Press(Item({"Varnolt", "Phonebook", name.c_str(), "Autolaunch"}), Qt::Key_Insert);
    EXPECT_EQ(store.ReadString(name + " Autolaunch #1", "Description", ""), "True");
    RasDialParams params;
    bool stored = false;
    dialer.GetEntryDialParams(name, params, stored);
    EXPECT_EQ(params.userName, "joe");
}

TEST_F(CTreePageTest, RightClickOnEmptySpaceKeepsTheSelection) {
    ASSERT_NO_FATAL_FAILURE(Open());
    const QPoint below(10, tree->viewport()->height() - 5);
    ASSERT_EQ(tree->itemAt(below), nullptr);
    RightClickAt(below);  // nothing selected: no menu
    EXPECT_TRUE(menus.empty());

    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    EXPECT_EQ(MenuOf(phonebook), "&New entry...=1002");
    menus.clear();
    RightClickAt(below);
    EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{phonebook});
    EXPECT_EQ(menus, std::vector<std::string>{"&New entry...=1002"});
}

TEST_F(CTreePageTest, NewEntryRebuildsThenReloadsAutoconnect) {
    ASSERT_NO_FATAL_FAILURE(Open());
    int itemsDuringDialog = -1;
    dialer.onCreateEntryDialog = [&] {
        if (QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"})) {
            itemsDuringDialog = phonebook->childCount();
        }
        dialer.AddEntry("Mobile");
    };
    choose = "&New entry...";
    MenuOf(Item({"Varnolt", "Phonebook"}));
    EXPECT_EQ(dialer.createDialogCount, 1);
    EXPECT_EQ(itemsDuringDialog, 2);
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_NE(phonebook, nullptr);
    EXPECT_EQ(phonebook->childCount(), 3);
    EXPECT_NE(Item({"Varnolt", "Phonebook", "Mobile", "Login settings", "Redial after 10 secs"}),
              nullptr);
    EXPECT_EQ(host.sent, (std::vector<Sent>{{WM_RELOAD_AUTOCONNECT, 0}}));
    // The new entry is selected and in view.
    QTreeWidgetItem* mobile = Item({"Varnolt", "Phonebook", "Mobile"});
    EXPECT_EQ(tree->currentItem(), mobile);
    EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualItemRect(mobile)));

    // The Insert key on "Phonebook" does the same.
    dialer.onCreateEntryDialog = [&] { dialer.AddEntry("Spare"); };
    Press(Item({"Varnolt", "Phonebook"}), Qt::Key_Insert);
    EXPECT_EQ(dialer.createDialogCount, 2);
    EXPECT_NE(Item({"Varnolt", "Phonebook", "Spare"}), nullptr);
    EXPECT_EQ(host.sent.size(), 2u);
}

TEST_F(CTreePageTest, EditEntryLeavesTheTreeAlone) {
    ASSERT_NO_FATAL_FAILURE(Open());
    dialer.onEditEntryDialog = [&](const std::string& name) { dialer.RenameEntry(name, "Work"); };
    choose = "&Edit entry...";
    QTreeWidgetItem* office = Item({"Varnolt", "Phonebook", "Office"});
    MenuOf(office);
    EXPECT_EQ(dialer.editDialogNames, (std::vector<std::string>{"Office"}));
    EXPECT_EQ(Item({"Varnolt", "Phonebook", "Office"}), office);  // same item, old name
    EXPECT_TRUE(host.sent.empty());
    page->OnReloadPhonebook();
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_TRUE(phonebook != nullptr && phonebook->childCount() > 0);
    EXPECT_EQ(phonebook->child(0)->text(0), "Work");
}

TEST_F(CTreePageTest, GreyedItemsRunNothingUntilTheirHandlerArrives) {
    ASSERT_NO_FATAL_FAILURE(Open());
    for (int command : {kCmdEditApplication, kCmdDeleteApplication}) {
        page->InstallCommandHandler(command, nullptr);
    }
    std::vector<std::string> ran;
    choose = "&Delete application...";
    QTreeWidgetItem* mail = Item({"Varnolt", "Phonebook", "Office", "Autolaunch", "Mail"});
    const int writes = store.WriteCount();
    MenuOf(mail);
    Press(mail, Qt::Key_Delete);
    DoubleClick(mail);
    // Nothing happened anywhere: no store write, no notification, no dialog.
    EXPECT_EQ(store.WriteCount(), writes);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(dialer.createDialogCount, 0);
    EXPECT_TRUE(dialer.editDialogNames.empty());

    for (int command : {kCmdEditApplication, kCmdDeleteApplication}) {
        page->InstallCommandHandler(command, [&ran, command](const TreeItemContext& item) {
            ran.push_back(std::to_string(command) + " " + *item.grandparent + "/" + item.text);
        });
    }
    EXPECT_EQ(MenuOf(mail), "&Edit application...=1010, -, &Delete application...=1011");
    Press(mail, Qt::Key_Delete);
    DoubleClick(mail);
    EXPECT_EQ(ran, (std::vector<std::string>{"1011 Office/Mail", "1011 Office/Mail",
                                             "1010 Office/Mail"}));
}

TEST_F(CTreePageTest, KeysActOnlyWhereTheirRuleSaysSo) {
    ASSERT_NO_FATAL_FAILURE(Open());
    std::vector<std::string> ran;
    for (int command : {kCmdNewProvider, kCmdInsertApplication, kCmdDeleteProvider}) {
        page->InstallCommandHandler(command, [&ran, command](const TreeItemContext& item) {
            ran.push_back(std::to_string(command) + " " + item.text);
        });
    }
    Press(Item({"Varnolt", "Provider"}), Qt::Key_Insert);
    Press(Item({"Varnolt", "Phonebook", "Office", "Autolaunch"}), Qt::Key_Insert);
    Press(Item({"Varnolt", "Provider", "City Net"}), Qt::Key_Delete);
    // No rule for these.
    Press(Item({"Varnolt", "Phonebook", "Office"}), Qt::Key_Delete);
    Press(Item({"Varnolt", "Phonebook", "Office"}), Qt::Key_Insert);
    Press(Item({"Varnolt", "Provider", "City Net"}), Qt::Key_Insert);
    Press(Item({"Varnolt", "Provider", "City Net", "Home"}), Qt::Key_Delete);
    EXPECT_EQ(ran, (std::vector<std::string>{"1036 Provider", "1006 Autolaunch", "1044 City Net"}));
    EXPECT_EQ(dialer.createDialogCount, 0);
}

TEST_F(CTreePageTest, DoubleClickOnFiguresSelectsTheirPage) {
    ASSERT_NO_FATAL_FAILURE(Open());
    DoubleClick(Item(
        {"Varnolt", "Phonebook", "Home", "Call-fee indicator", "Scale: Userdefined scale #1"}));
    DoubleClick(Item({"Varnolt", "Overall call-fee indicator", "Last connect: <unknown>"}));
    QTreeWidgetItem* office = Item({"Varnolt", "Phonebook", "Office"});
    DoubleClick(office);  // no rule: only the tree's own expanding
    // The Scale manager also selects the entry's scale, the fifth of its list.
    EXPECT_EQ(host.sent,
              (std::vector<Sent>{{WM_SELECT_PAGE, 2}, {WM_SELECT_SCALE, 4}, {WM_SELECT_PAGE, 1}}));
    EXPECT_TRUE(office->isExpanded());
}

TEST_F(CTreePageTest, DialFollowsTheSelection) {
    ASSERT_NO_FATAL_FAILURE(Open());
    auto* dial = Widget<QPushButton>("dialButton");
    std::vector<std::string> dialed;
    tree->setCurrentItem(Item({"Varnolt", "Phonebook", "Office"}));
    EXPECT_FALSE(dial->isEnabled());  // no dialing yet: greyed
    page->InstallCommandHandler(kCmdDial,
                                [&](const TreeItemContext& item) { dialed.push_back(item.text); });
    EXPECT_TRUE(dial->isEnabled());
    dial->click();
    tree->setCurrentItem(Item({"Varnolt", "Phonebook", "Office", "Login settings"}));
    EXPECT_FALSE(dial->isEnabled());
    // A provider is dialed by provider dialing, which is not there yet.
    tree->setCurrentItem(Item({"Varnolt", "Provider", "City Net"}));
    EXPECT_FALSE(dial->isEnabled());
    page->InstallCommandHandler(kCmdDialProvider, [&](const TreeItemContext& item) {
        dialed.push_back("provider " + item.text);
    });
    EXPECT_TRUE(dial->isEnabled());
    dial->click();
    tree->setCurrentItem(Item({"Varnolt", "Provider", "City Net", "Office"}));
    EXPECT_FALSE(dial->isEnabled());
    EXPECT_EQ(dialed, (std::vector<std::string>{"Office", "provider City Net"}));
    // The entry menu now offers dialing as well.
    choose = "&Dial entry";
    EXPECT_EQ(MenuOf(Item({"Varnolt", "Phonebook", "Home"})),
              "&Dial entry=1005, -, &Edit entry...=1003, -, De&lete entry=1150, "
              "&Rename entry...=1151");
    EXPECT_EQ(dialed.back(), "Home");
}

TEST_F(CTreePageTest, AnEntryNamedLikeAFixedItemIsStillAnEntry) {
    dialer.AddEntry("Phonebook");
    ASSERT_NO_FATAL_FAILURE(Open());
    QTreeWidgetItem* entry = Item({"Varnolt", "Phonebook", "Phonebook"});
    EXPECT_EQ(MenuOf(entry),
              "&Dial entry=1005(off), -, &Edit entry...=1003, -, De&lete entry=1150, "
              "&Rename entry...=1151");
    EXPECT_EQ(MenuOf(Item({"Varnolt", "Phonebook", "Phonebook", "Login settings"})),
              "&Edit login settings...=1016");
    Press(entry, Qt::Key_Insert);  // not the "Phonebook" item
    EXPECT_EQ(dialer.createDialogCount, 0);
}

TEST_F(CTreePageTest, AutolaunchItemsFollowInsertAndDelete) {
    ASSERT_NO_FATAL_FAILURE(Open());
    QTreeWidgetItem* autolaunch = Item({"Varnolt", "Phonebook", "Office", "Autolaunch"});
    ASSERT_NE(autolaunch, nullptr);
    auto children = [autolaunch] {
        QStringList texts;
        for (int i = 0; i < autolaunch->childCount(); ++i) {
            texts << autolaunch->child(i)->text(0);
        }
        return texts;
    };

    test::WhenModal<CAutolaunchDlg>(*page, [](CAutolaunchDlg& dialog) {
        FillAndOk(dialog, {{"pathEdit", "/usr/bin/mutt"}, {"descriptionEdit", "Mutt"}});
    });
    Press(autolaunch, Qt::Key_Insert);
    ASSERT_EQ(children(), (QStringList{"Mail", "Mutt"}));
    EXPECT_EQ(store.ReadString("Office Autolaunch #2", "Path", ""), "/usr/bin/mutt");

    prompts.Answer(PromptAnswer::Yes);
    Press(autolaunch->child(0), Qt::Key_Delete);
    EXPECT_EQ(children(), (QStringList{"Mutt"}));
    EXPECT_EQ(store.ReadInt("Office", "Autolaunch", 0), 1);
    EXPECT_EQ(store.ReadString("Office Autolaunch #1", "Description", ""), "Mutt");
    EXPECT_EQ(prompts.unscripted(), 0);
}

TEST_F(CTreePageTest, RenameAndDeleteEntryFromItsMenu) {
    ASSERT_NO_FATAL_FAILURE(Open());
    test::WhenModal<QInputDialog>(*page, [](QInputDialog& dialog) {
        EXPECT_EQ(dialog.textValue(), "Office");
        dialog.setTextValue("Work");
        dialog.accept();
    });
    choose = "&Rename entry...";
    MenuOf(Item({"Varnolt", "Phonebook", "Office"}));
    EXPECT_NE(Item({"Varnolt", "Phonebook", "Work", "Autolaunch", "Mail"}), nullptr);
    EXPECT_NE(Item({"Varnolt", "Provider", "City Net", "Work"}), nullptr);
    EXPECT_EQ(tree->currentItem(), Item({"Varnolt", "Phonebook", "Work"}));

    prompts.Answer(PromptAnswer::Yes);
    choose = "De&lete entry";
    MenuOf(Item({"Varnolt", "Phonebook", "Work"}));
    QTreeWidgetItem* phonebook = Item({"Varnolt", "Phonebook"});
    ASSERT_NE(phonebook, nullptr);
    ASSERT_EQ(phonebook->childCount(), 1);
    EXPECT_EQ(phonebook->child(0)->text(0), "Home");
    EXPECT_EQ(Item({"Varnolt", "Provider", "City Net"})->childCount(), 1);
    EXPECT_EQ(host.sent, (std::vector<Sent>(2, {WM_RELOAD_AUTOCONNECT, 0})));
    EXPECT_EQ(prompts.unscripted(), 0);
}

TEST_F(CTreePageTest, InTheSheetItIsThePhonebookTabAndSwitchesPages) {
    CRASSheet sheet(false);
    auto* phonebook = new CTreePage(store, dialer, locale, prompts, sheet);
    auto* logView = new CSheetPage;
    sheet.AddPage(kPagePhonebook, phonebook);
    sheet.AddPage(kPageLogView, logView);
    sheet.show();
    QApplication::processEvents();
    EXPECT_EQ(sheet.Tabs()->tabText(0), "Phonebook");
    EXPECT_EQ(sheet.Tabs()->currentWidget(), phonebook);
    ASSERT_NE(phonebook->Tree(), nullptr);
    tree = phonebook->Tree();
    DoubleClick(Item({"Varnolt", "Overall call-fee indicator", "Costs: 0 EUR"}));
    EXPECT_EQ(sheet.Tabs()->currentWidget(), logView);
    sheet.reject();
}

}  // namespace
}  // namespace varnolt
