#include "CRASSheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "CSheetPage.h"
#include "app/SvgPixmap.h"

namespace varnolt {
CRASSheet::CRASSheet(bool trayAvailable, QWidget* parent) : QDialog(parent) {
    setObjectName("CRASSheet");
    // No close button in the title bar: the sheet is left with OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(kProgramCaption);
    setWindowIcon(ProgramIcon());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("sheetTabs");
    // Keep the page area even before the first page has joined.
    m_tabs->setMinimumSize(PageSize(font()));
    // All seven titles stay readable: the sheet grows rather than scrolling its tabs.
    m_tabs->setUsesScrollButtons(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("sheetButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);

    m_hangUp = new QAction(tr("Hang up connection"), this);
    m_hangUp->setObjectName("hangUpConnection");
    m_hangUp->setData(kCmdHangUpConnection);
    m_hangUp->setEnabled(false);
    connect(m_hangUp, &QAction::triggered, this, [this] {
        if (CSheetPage* phonebook = m_pages[kPagePhonebook]) {
            phonebook->OnMenuHangUp();
        }
    });

    if (trayAvailable) {
        m_trayMenu = new QMenu(this);
        m_trayMenu->addSeparator();
        m_trayMenu->addAction(m_hangUp);
        m_tray = new QSystemTrayIcon(ProgramIcon(), this);
        m_tray->setObjectName("trayIcon");
        m_tray->setContextMenu(m_trayMenu);
        m_tray->setToolTip(windowTitle());
        connect(this, &QWidget::windowTitleChanged, m_tray, &QSystemTrayIcon::setToolTip);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](auto reason) {
            if (reason == QSystemTrayIcon::Trigger && !PhonebookConnected()) {
                showNormal();
                raise();
                activateWindow();
            }
        });
        m_tray->show();
    }
}

CRASSheet::~CRASSheet() = default;

QString CRASSheet::TabTitle(int index) {
    static const char* const kTitles[kPageCount] = {
        "Phonebook", "LOG view",      "Scale manager", "Holiday database",
        "Options",   "Window styles", "About",
    };
    return index >= 0 && index < kPageCount ? QString(kTitles[index]) : QString();
}

QIcon CRASSheet::ProgramIcon() {
    QIcon icon;
    icon.addPixmap(RenderSvg(":/icons/varnolt-small.svg", 16));
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addPixmap(RenderSvg(":/icons/varnolt.svg", size));
    }
    return icon;
}

QSize CRASSheet::PageSize(const QFont& font) {
    // Dialog units: a quarter of the average character width across, an eighth
    // of the character height down.
    QFontMetrics metrics(font);
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    int averageWidth = (metrics.horizontalAdvance(alphabet) + 26) / 52;
    int height = metrics.height();
    return QSize((320 * averageWidth + 2) / 4, (239 * height + 4) / 8);
}

void CRASSheet::AddPage(int index, CSheetPage* page) {
    if (index < 0 || index >= kPageCount || page == nullptr || m_pages[index] != nullptr) {
        return;
    }
    m_pages[index] = page;
    page->setMinimumSize(PageSize(font()));
    // Insert before the first page that has a higher index.
    int position = 0;
    for (int i = 0; i < index; ++i) {
        if (m_pages[i] != nullptr) {
            ++position;
        }
    }
    m_tabs->insertTab(position, page, TabTitle(index));
    if (index == kPagePhonebook) {
        m_tabs->setCurrentWidget(page);  // shown first, whenever it joins
    }
}

CSheetPage* CRASSheet::Page(int index) const {
    return index >= 0 && index < kPageCount ? m_pages[index] : nullptr;
}

void CRASSheet::SendNotification(unsigned message, int param) {
    switch (message) {
        case WM_RELOAD_PHONEBOOK:
            if (CSheetPage* page = m_pages[kPagePhonebook]) {
                page->OnReloadPhonebook();
            }
            break;
        case WM_RELOAD_LOG:
            if (CSheetPage* page = m_pages[kPageLogView]) {
                page->OnReloadLog();
            }
            break;
        case WM_RELOAD_AUTOCONNECT:
            if (CSheetPage* page = m_pages[kPageOptions]) {
                page->OnReloadAutoconnect();
            }
            break;
        case WM_SELECT_PAGE:
            if (CSheetPage* page = Page(param)) {
                m_tabs->setCurrentWidget(page);
            }
            break;
        default:
            break;
    }
}

void CRASSheet::EnableHangUpCommand(bool enable) {
    m_hangUp->setEnabled(enable);
}

void CRASSheet::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

void CRASSheet::RestoreSheet() {
    showNormal();
    raise();
    activateWindow();
}

void CRASSheet::MinimizeSheet() {
    showMinimized();
}

void CRASSheet::CloseSheetLater() {
    // Queued, so the handler that asks for it returns first. A message box or
    // file chooser open at that moment stays until answered, and the program
    // ends once it has been.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

bool CRASSheet::PhonebookConnected() const {
    return m_pages[kPagePhonebook] != nullptr && m_pages[kPagePhonebook]->IsConnected();
}

void CRASSheet::done(int result) {
    // OK and Cancel alike: the Phonebook page hangs up before the sheet goes.
    if (!m_closing) {
        m_closing = true;
        for (CSheetPage* page : m_pages) {
            if (page != nullptr) {
                page->OnSheetClosing();
            }
        }
    }
    if (m_tray != nullptr) {
        m_tray->hide();
    }
    QDialog::done(result);
}

void CRASSheet::closeEvent(QCloseEvent* event) {
    // While connected the window cannot be closed from the title bar or task bar.
    if (PhonebookConnected()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CRASSheet::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    auto* change = static_cast<QWindowStateChangeEvent*>(event);
    // While connected the window stays minimised. Without a tray icon the user
    // could never reach Cancel again, so then a restore is let through.
    bool restored = (change->oldState() & Qt::WindowMinimized) && !isMinimized();
    if (restored && m_tray != nullptr && PhonebookConnected()) {
        QTimer::singleShot(0, this, [this] { showMinimized(); });
    }
}

}  // namespace varnolt
