#pragma once

#include <QDialog>
#include <array>

#include "app/SheetMessages.h"
#include "app/SheetWindow.h"

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTabWidget;

namespace varnolt {

class CSheetPage;

// The program's one window: a tabbed sheet with OK and Cancel. Pages join at
// their fixed index; the tab order follows the index whatever order they join
// in. Linux has no window system menu, so "Hang up connection" lives in the
// tray icon's menu. The sheet is minimised during a call, so the tray icon's
// tooltip always repeats the caption: the running fee while connected.
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
    QSystemTrayIcon* TrayIcon() const { return m_tray; }

    void SendNotification(unsigned message, int param) override;
    void EnableHangUpCommand(bool enable) override;
    void SetCaption(const std::string& text) override;
    void RestoreSheet() override;
    void MinimizeSheet() override;
    void CloseSheetLater() override;

    static QString TabTitle(int index);
    static QIcon ProgramIcon();
    // The page size: 320 by 239 dialog units of the given font.
    static QSize PageSize(const QFont& font);

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool PhonebookConnected() const;

    QTabWidget* m_tabs = nullptr;
    std::array<CSheetPage*, kPageCount> m_pages{};
    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_hangUp = nullptr;
    bool m_closing = false;
};

}  // namespace varnolt
