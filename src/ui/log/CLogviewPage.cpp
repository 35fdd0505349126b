#include "log/CLogviewPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/ReportList.h"
#include "log/LogTableModel.h"

namespace varnolt {

CLogviewPage::CLogviewPage(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                           Prompts& prompts, ExportFile& files, SheetHost& host, QWidget* parent)
    : CSheetPage(parent),
      m_log(store, locale, dialer, host),
      m_model(new LogTableModel(this)),
      m_logic(m_log, prompts, *m_model, files) {
    setObjectName("CLogviewPage");
}

CLogviewPage::~CLogviewPage() = default;

void CLogviewPage::OnReloadLog() {
    if (IsInitialised()) {
        m_logic.Reload();
    }
}

void CLogviewPage::OnInitPage() {
    m_table = new QTreeView(this);
    m_table->setObjectName("logTable");
    m_table->setAccessibleName(tr("Connection log"));
    ShowAsReport(m_table);
    m_table->setIconSize(QSize(16, 16));
    m_table->setModel(m_model);
    // The widths are shares of the table's own client width.
    m_table->viewport()->installEventFilter(this);

    auto* ascii = new QPushButton(tr("Export LOG into &ASCII-format"), this);
    ascii->setObjectName("asciiExportButton");
    auto* excel = new QPushButton(tr("Export LOG into &EXCEL-format"), this);
    excel->setObjectName("excelExportButton");
    auto* remove = new QPushButton(tr("&Delete LOG..."), this);
    remove->setObjectName("deleteLogButton");
    connect(ascii, &QPushButton::clicked, this,
            [this] { m_logic.OnExport(LogExportFormat::Ascii); });
    connect(excel, &QPushButton::clicked, this,
            [this] { m_logic.OnExport(LogExportFormat::Tabbed); });
    connect(remove, &QPushButton::clicked, this, [this] { m_logic.OnDeleteLog(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ascii);
    buttons->addWidget(excel);
    buttons->addStretch(1);
    buttons->addWidget(remove);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    ApplyColumnWidths();
    m_logic.Reload();
}

bool CLogviewPage::eventFilter(QObject* watched, QEvent* event) {
    if (m_table != nullptr && watched == m_table->viewport() && event->type() == QEvent::Resize) {
        ApplyColumnWidths();
    }
    return CSheetPage::eventFilter(watched, event);
}

void CLogviewPage::ApplyColumnWidths() {
    const int clientWidth = m_table->viewport()->width();
    for (int column = 0; column < kLogColumnCount; ++column) {
        m_table->setColumnWidth(column, static_cast<int>(clientWidth * kLogColumnShares[column]));
    }
}

}  // namespace varnolt
