#pragma once

#include "app/CSheetPage.h"
#include "log/CConnectionLog.h"
#include "log/LogViewLogic.h"

class QTreeView;

namespace varnolt {

class LogTableModel;

// The "LOG view" page: the connection log as a table and its three buttons.
// The decisions are LogViewLogic's; the page only wires the widgets to it.
class CLogviewPage final : public CSheetPage {
    Q_OBJECT
public:
    CLogviewPage(SettingsStore& store, const Locale& locale, RemoteAccess& dialer, Prompts& prompts,
                 ExportFile& files, SheetHost& host, QWidget* parent = nullptr);
    ~CLogviewPage() override;

    // Ignored until the page was first shown: set-up fills the table then.
    void OnReloadLog() override;

protected:
    void OnInitPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyColumnWidths();

    CConnectionLog m_log;
    LogTableModel* m_model;
    LogViewLogic m_logic;
    QTreeView* m_table = nullptr;
};

}  // namespace varnolt
