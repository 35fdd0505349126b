#include "log/LogTableModel.h"

#include <iterator>

#include "app/SvgPixmap.h"
#include "log/LogViewLogic.h"
#include "qt/CoreText.h"

namespace varnolt {

LogTableModel::LogTableModel(QObject* parent)
    : QAbstractTableModel(parent), m_icon(SvgIcon(":/icons/log/modem.svg")) {}

int LogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLogColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(
                LogColumnText(m_records[static_cast<std::size_t>(index.row())], index.column()));
        case Qt::DecorationRole:
            return index.column() == 0 ? QVariant(m_icon) : QVariant();
        default:
            return {};
    }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kLogColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return CoreText(kLogColumnHeadings[section]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
    }
}

void LogTableModel::ShowRecords(std::vector<CLogRecord> records) {
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

void LogTableModel::AppendRecords(std::vector<CLogRecord> records) {
    if (records.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(records.size()) - 1);
    m_records.insert(m_records.end(), std::make_move_iterator(records.begin()),
                     std::make_move_iterator(records.end()));
    endInsertRows();
}

}  // namespace varnolt
