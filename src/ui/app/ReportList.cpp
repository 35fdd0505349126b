#include "app/ReportList.h"

#include <QHeaderView>

namespace varnolt {

void ShowAsReport(QTreeView* view) {
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSortingEnabled(false);
    view->header()->setSectionsClickable(false);
    view->header()->setSectionsMovable(false);
    // The page sets every column's width; the rest stays blank.
    view->header()->setStretchLastSection(false);
    view->header()->setMinimumSectionSize(1);
}

QTreeWidget* MakeReportList(QWidget* parent, const char* objectName, const QStringList& headings) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    ShowAsReport(list);
    list->setHeaderLabels(headings);
    return list;
}

int FirstSelectedRow(const QTreeWidget* list) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->isSelected()) {
            return row;
        }
    }
    return -1;
}

}  // namespace varnolt
