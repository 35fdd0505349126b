#include "SheetTray.h"

namespace varnolt {

SheetTray::SheetTray(const QIcon& icon, QAction* hangUp, QObject* parent)
    : QObject(parent), m_icon(icon) {
    m_menu.setObjectName("trayMenu");
    m_menu.addSeparator();
    m_menu.addAction(hangUp);
    m_icon.setObjectName("trayIcon");
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](auto reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            emit Clicked();
        }
    });
    m_icon.show();
}

}  // namespace varnolt
