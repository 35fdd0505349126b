#include "PhonebookControls.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "TreeLinesStyle.h"
#include "qt/CoreText.h"

namespace varnolt {
namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("CTreePage", text);
}

}  // namespace

PhonebookControls MakePhonebookControls(QWidget& page) {
    PhonebookControls c;
    c.tree = new QTreeWidget(&page);
    c.tree->setObjectName("phonebookTree");
    c.tree->setAccessibleName(Text(QT_TRANSLATE_NOOP("CTreePage", "Phonebook")));
    c.tree->setHeaderHidden(true);
    c.tree->setColumnCount(1);
    c.tree->setRootIsDecorated(true);
    auto* lines = new TreeLinesStyle;
    lines->setParent(c.tree);
    c.tree->setStyle(lines);
    c.tree->setSelectionMode(QAbstractItemView::SingleSelection);
    c.tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    c.tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.tree->setIconSize(QSize(16, 16));
    c.tree->setUniformRowHeights(true);
    // Long entry names scroll sideways instead of being cut off.
    c.tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    c.tree->header()->setStretchLastSection(false);

    auto* statusLabel = new QLabel(Text(QT_TRANSLATE_NOOP("CTreePage", "Connect status:")), &page);
    statusLabel->setObjectName("connectStatusLabel");
    c.status = new QLabel(&page);
    c.status->setObjectName("statusLine");
    c.status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.status->setAlignment(Qt::AlignCenter);
    // The line's name is the status itself, so a change is announced; the
    // caption above says what it is.
    statusLabel->setBuddy(c.status);
    auto* progressLabel =
        new QLabel(Text(QT_TRANSLATE_NOOP("CTreePage", "Redial progress:")), &page);
    progressLabel->setObjectName("redialProgressLabel");
    c.progress = new QProgressBar(&page);
    c.progress->setObjectName("redialProgress");
    c.progress->setTextVisible(false);
    c.progress->setAccessibleName(Text(QT_TRANSLATE_NOOP("CTreePage", "Redial progress")));
    progressLabel->setBuddy(c.progress);
    c.dial = new QPushButton(Text(QT_TRANSLATE_NOOP("CTreePage", "&Dial")), &page);
    c.dial->setObjectName("dialButton");
    c.dial->setEnabled(false);
    c.cancel = new QPushButton(Text(QT_TRANSLATE_NOOP("CTreePage", "Cancel")), &page);
    c.cancel->setObjectName("cancelButton");

    auto* lower = new QGridLayout;
    lower->addWidget(statusLabel, 0, 0);
    lower->addWidget(c.status, 1, 0);
    lower->addWidget(c.dial, 1, 1);
    lower->addWidget(progressLabel, 2, 0);
    lower->addWidget(c.progress, 3, 0);
    lower->addWidget(c.cancel, 3, 1);
    lower->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(c.tree, 1);
    layout->addLayout(lower);

    return c;
}

void FillPopupMenu(QMenu& menu, const PopupMenu& items) {
    for (const MenuItem& line : items) {
        if (line.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(CoreText(line.text));
        action->setData(line.command);
        action->setEnabled(line.enabled);
        action->setCheckable(line.checkable);
        action->setChecked(line.checked);
    }
}

}  // namespace varnolt
