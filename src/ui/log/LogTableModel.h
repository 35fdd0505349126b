#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "log/LogTableView.h"

namespace varnolt {

// The LOG view's table: the records read from the store, one row each, the
// modem icon in front of the entry. Texts are made only for the rows on screen.
class LogTableModel final : public QAbstractTableModel, public LogTableView {
    Q_OBJECT
public:
    explicit LogTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<CLogRecord>& Records() const override { return m_records; }
    void ShowRecords(std::vector<CLogRecord> records) override;
    void AppendRecords(std::vector<CLogRecord> records) override;

private:
    std::vector<CLogRecord> m_records;
    QIcon m_icon;
};

}  // namespace varnolt
