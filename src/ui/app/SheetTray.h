#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QIcon;

namespace varnolt {

// The sheet's icon in the desktop's system tray: its menu, with the sheet's
// "Hang up connection", opens on a right click; a left click is handed on.
// The menu is set before the icon is shown, which a tray that reads the menu
// once, when the icon appears, needs.
class SheetTray final : public QObject {
    Q_OBJECT
public:
    // hangUp stays its owner's, and is taken out of the menu when it goes.
    SheetTray(const QIcon& icon, QAction* hangUp, QObject* parent = nullptr);

    QSystemTrayIcon* Icon() { return &m_icon; }
    QMenu* Menu() { return &m_menu; }

signals:
    // The icon was clicked with the left button.
    void Clicked();

private:
    // Declared before the icon: the icon goes first, so it never shows a
    // menu already gone.
    QMenu m_menu;
    QSystemTrayIcon m_icon;
};

}  // namespace varnolt
