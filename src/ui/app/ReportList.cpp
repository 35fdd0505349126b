#include "app/ReportList.h"

#include <QHeaderView>

namespace varnolt {

QTreeWidget* MakeReportList(QWidget* parent, const char* objectName, const QStringList& headings) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    // The page sets every column's width; the rest stays blank.
    list->header()->setStretchLastSection(false);
    list->header()->setMinimumSectionSize(1);
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
