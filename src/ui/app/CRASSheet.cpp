#include "CRASSheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "CSheetPage.h"
#include "SheetTray.h"
#include "app/SvgPixmap.h"
#include "qt/CoreText.h"

namespace varnolt {

// The tab widget in a frameless scroll area whose size hints are the tab
// widget's own, so the sheet is sized by its pages. Only where a screen cannot
// hold the pages' least size does the sheet limit the area: the pages then
// scroll instead of being squeezed.
class CRASSheet::PageArea final : public QScrollArea {
public:
    explicit PageArea(QWidget* parent) : QScrollArea(parent) {
        setObjectName("sheetPageArea");
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);  // Tab goes straight to the pages
    }

    // Whether the limit changed.
    bool SetLimit(QSize limit) {
        limit = limit.expandedTo(QSize(0, 0));
        if (limit == m_limit) {
            return false;
        }
        m_limit = limit;
        updateGeometry();
        return true;
    }
    QSize minimumSizeHint() const override { return Fit(widget()->minimumSizeHint()); }
    QSize sizeHint() const override { return Fit(widget()->sizeHint()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A page's hints changed; the sheet's layout has to hear of it.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    QSize Fit(QSize content) const {
        // A scroll bar one way takes room the other way, which must not make
        // that way scroll too.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        QSize fit = content;
        if (content.height() > m_limit.height()) {
            fit.rwidth() += bar;
        }
        if (content.width() > m_limit.width()) {
            fit.rheight() += bar;
        }
        return fit.boundedTo(m_limit);
    }

    QSize m_limit{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

CRASSheet::CRASSheet(bool trayAvailable, QWidget* parent) : QDialog(parent) {
    setObjectName("CRASSheet");
    // No close button in the title bar: the sheet is left with OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setWindowTitle(kProgramCaption);
    setWindowIcon(ProgramIcon());

    m_tabs = new QTabWidget;
    m_tabs->setObjectName("sheetTabs");
    // All eight titles stay readable: the sheet grows rather than scrolling its tabs.
    m_tabs->setUsesScrollButtons(false);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CRASSheet::OnTabChanged);
    m_pageArea = new PageArea(this);
    m_pageArea->setWidget(m_tabs);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName("sheetButtons");
    // Focusable, so the tab order can move the box with its buttons as one.
    m_buttons->setFocusPolicy(Qt::TabFocus);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pageArea);
    layout->addWidget(m_buttons);

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
        m_tray = new SheetTray(ProgramIcon(), m_hangUp, this);
        UpdateTrayToolTip();
        connect(this, &QWidget::windowTitleChanged, this, &CRASSheet::UpdateTrayToolTip);
        // While connected the sheet stays minimised.
        connect(m_tray, &SheetTray::Clicked, this, [this] {
            if (!PhonebookConnected()) {
                RestoreSheet();
            }
        });
    }
}

QSystemTrayIcon* CRASSheet::TrayIcon() const {
    return m_tray != nullptr ? m_tray->Icon() : nullptr;
}

CRASSheet::~CRASSheet() = default;

QString CRASSheet::TabTitle(int index) {
    static const char* const kTitles[kPageCount] = {
        QT_TR_NOOP("Phonebook"),     QT_TR_NOOP("LOG view"),
        QT_TR_NOOP("Scale manager"), QT_TR_NOOP("Holiday database"),
        QT_TR_NOOP("Options"),       QT_TR_NOOP("Window styles"),
        QT_TR_NOOP("About"),         QT_TR_NOOP("Statistics"),
    };
    return index >= 0 && index < kPageCount ? tr(kTitles[index]) : QString();
}

QIcon CRASSheet::ProgramIcon() {
    QIcon icon;
    icon.addPixmap(RenderSvg(":/icons/varnolt-small.svg", 16));
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addPixmap(RenderSvg(":/icons/varnolt.svg", size));
    }
    return icon;
}

void CRASSheet::AddPage(int index, CSheetPage* page) {
    if (index < 0 || index >= kPageCount || page == nullptr || m_pages[index] != nullptr) {
        return;
    }
    m_pages[index] = page;
    connect(page, &CSheetPage::ControlsBuilt, this, &CRASSheet::OnPageBuilt);
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
            for (int index : {kPageLogView, kPageStatistics}) {
                if (CSheetPage* page = m_pages[index]) {
                    page->OnReloadLog();
                }
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
        case WM_SELECT_SCALE:
            if (CSheetPage* page = m_pages[kPageScaleManager]) {
                page->OnSelectScale(param);
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
    m_callSummary.clear();
    setWindowTitle(CoreText(text));
    UpdateTrayToolTip();
}

void CRASSheet::SetCallSummary(const std::string& summary) {
    m_callSummary = summary;
    UpdateTrayToolTip();
}

void CRASSheet::UpdateTrayToolTip() {
    if (m_tray != nullptr) {
        m_tray->Icon()->setToolTip(m_callSummary.empty() ? windowTitle() : CoreText(m_callSummary));
    }
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

void CRASSheet::EndProgram() {
    m_ending = true;
    done(QDialog::Rejected);
}

bool CRASSheet::PhonebookConnected() const {
    return m_pages[kPagePhonebook] != nullptr && m_pages[kPagePhonebook]->IsConnected();
}

void CRASSheet::done(int result) {
    // OK and Cancel alike: the Phonebook page hangs up before the sheet goes.
    if (!m_closing) {
        // Unsaved work or a running call may keep the sheet open, unless
        // the program is told to end.
        for (CSheetPage* page : m_pages) {
            if (!m_ending && page != nullptr && !(page->MayLeave() && page->MayClose())) {
                return;
            }
        }
        m_closing = true;
        for (CSheetPage* page : m_pages) {
            if (page != nullptr) {
                page->OnSheetClosing();
            }
        }
    }
    if (m_tray != nullptr) {
        m_tray->Icon()->hide();
    }
    QDialog::done(result);
}

void CRASSheet::setVisible(bool visible) {
    if (visible && !m_opened) {
        m_opened = true;
        FitToScreen();
        // The page shown first exists from the start, so its controls count
        // in the opening size.
        if (auto* page = qobject_cast<CSheetPage*>(m_tabs->currentWidget())) {
            page->EnsureInitialised();
        }
        resize(sizeHint().boundedTo(Room()).expandedTo(minimumSizeHint()));
    }
    QDialog::setVisible(visible);
}

bool CRASSheet::event(QEvent* event) {
    // The layout has just set the least size (a page built its controls, the
    // font changed) and grown the window to it.
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest) {
        FitToScreen();
    }
    return handled;
}

QSize CRASSheet::Room() const {
    QSize frame = frameGeometry().size() - size();
    if (frame.isNull()) {
        // Not shown yet, so the window manager's frame is unknown: allow for a title bar.
        frame.setHeight(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    }
    return screen()->availableGeometry().size() - frame;
}

void CRASSheet::FitToScreen() {
    // The page area may take what the screen has room for beside the buttons
    // and margins; pages that need more scroll.
    const QMargins margins = layout()->contentsMargins();
    const QSize around(
        margins.left() + margins.right(),
        margins.top() + margins.bottom() + layout()->spacing() + m_buttons->sizeHint().height());
    if (m_pageArea->SetLimit(Room() - around)) {
        // The least size follows at once, also before the first show.
        layout()->invalidate();
        layout()->activate();
    }
    if (!isVisible()) {
        return;
    }
    // Now that the window frame is known, the limit may have come down.
    resize(size().boundedTo(Room()));
    // Grown past the screen's edge: back onto it.
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (!available.contains(frame)) {
        move(std::max(available.left(),
                      std::min(frame.left(), available.right() + 1 - frame.width())),
             std::max(available.top(),
                      std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
}

void CRASSheet::OnPageBuilt() {
    PutButtonsLast();
    // The new controls may need more than the page size: grow to that now,
    // not a few rounds of layout events later with the page squeezed meanwhile.
    m_pageArea->updateGeometry();
    layout()->invalidate();
    layout()->activate();
}

void CRASSheet::OnTabChanged() {
    QWidget* shown = m_tabs->currentWidget();
    auto* left = qobject_cast<CSheetPage*>(m_shownPage.data());
    // Turning back makes a change to the page left, which is let through.
    if (left != nullptr && left != shown && !left->MayLeave()) {
        m_tabs->setCurrentWidget(left);
        return;
    }
    m_shownPage = shown;
}

void CRASSheet::PutButtonsLast() {
    // A page makes its controls after the sheet's buttons, and new controls
    // join the end of the window's focus chain.
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w != m_buttons && !m_buttons->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus) {
            last = w;
        }
    }
    if (last != nullptr) {
        setTabOrder(last, m_buttons);
    }
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
