#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <cstddef>
#include <string>

#include "qt/CoreText.h"

namespace varnolt {

// Report style as the pages show their lists: rows without a tree, single
// selection, headings that neither sort nor move, columns sized by the page.
void ShowAsReport(QTreeView* view);

// A list in report style with these column headings.
QTreeWidget* MakeReportList(QWidget* parent, const char* objectName, const QStringList& headings);

template <std::size_t N>
QTreeWidget* MakeReportList(QWidget* parent, const char* objectName,
                            const char* const (&headings)[N]) {
    QStringList texts;
    for (const char* heading : headings) {
        texts << CoreText(heading);
    }
    return MakeReportList(parent, objectName, texts);
}

// Appends a row of texts, one a column.
template <typename Texts>
void AppendReportRow(QTreeWidget* list, const Texts& texts) {
    QStringList row;
    for (const std::string& text : texts) {
        row << QString::fromStdString(text);
    }
    list->addTopLevelItem(new QTreeWidgetItem(row));
}

// The first selected row, or -1 when none is selected.
int FirstSelectedRow(const QTreeWidget* list);

}  // namespace varnolt
