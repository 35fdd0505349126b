#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "app/SheetMessages.h"
#include "app/SheetWindow.h"

class QAction;
class QDialogButtonBox;
class QSystemTrayIcon;
class QTabWidget;

namespace varnolt {

class CSheetPage;
class SheetTray;

// The program's one window: a tabbed sheet with OK and Cancel. Pages join at
// their fixed index; the tab order follows the index whatever order they join
// in. Linux has no window system menu, so "Hang up connection" lives in the
// tray icon's menu. The sheet is minimised during a call, so the tray icon's
// tooltip repeats the caption, and while connected says what the call is:
// its entry, time and fee.
class CRASSheet final : public QDialog, public SheetHost, public SheetWindow {
    Q_OBJECT
public:
    // trayAvailable: whether a system tray can show our icon (injected for tests).
    explicit CRASSheet(bool trayAvailable, QWidget* parent = nullptr);
    ~CRASSheet() override;

    // Takes ownership of the page. A page for an index that is not a page index
    // or already taken is refused and stays the caller's.
    void AddPage(int index, CSheetPage* page);
    CSheetPage* Page(int index) const;
    QTabWidget* Tabs() const { return m_tabs; }
    QAction* HangUpAction() const { return m_hangUp; }
    QSystemTrayIcon* TrayIcon() const;

    void SendNotification(unsigned message, int param) override;
    void EnableHangUpCommand(bool enable) override;
    void SetCaption(const std::string& text) override;
    void SetCallSummary(const std::string& summary) override;
    void RestoreSheet() override;
    void MinimizeSheet() override;
    void CloseSheetLater() override;

    static QString TabTitle(int index);
    static QIcon ProgramIcon();

    void done(int result) override;
    // A signal or the session's end: closes without asking, a connected call
    // hung up and accounted on the way.
    void EndProgram();
    // Opens at the size its pages ask for, within the screen.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class PageArea;

    bool PhonebookConnected() const;
    void UpdateTrayToolTip();
    // The screen's free area less the window frame.
    QSize Room() const;
    // Limits the page area to what the screen can hold and keeps the window on it.
    void FitToScreen();
    void OnPageBuilt();
    // A tab change the page left may turn back.
    void OnTabChanged();
    // Tab goes from the tabs through the page to OK and Cancel.
    void PutButtonsLast();

    QTabWidget* m_tabs = nullptr;
    PageArea* m_pageArea = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    std::array<CSheetPage*, kPageCount> m_pages{};
    QAction* m_hangUp = nullptr;
    SheetTray* m_tray = nullptr;
    QPointer<QWidget> m_shownPage;  // the page a tab change leaves
    std::string m_callSummary;      // of the caption shown now
    bool m_closing = false;
    bool m_ending = false;
    bool m_opened = false;
};

}  // namespace varnolt
