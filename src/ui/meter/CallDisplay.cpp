#include "CallDisplay.h"

#include "connection/ConnectionMachine.h"

namespace varnolt {

CallDisplay::CallDisplay(SettingsStore& store, const Locale& locale, Notifier& notifier,
                         ConnectionMachine& connection)
    : m_connection(connection),
      // A window of its own, not the sheet's child: it stays while the sheet is minimised.
      m_window(store, [&connection] { connection.MenuHangUp(); }),
      m_presenter(store, locale, notifier, m_window) {
    m_connection.SetCallObserver(&m_presenter);
}

CallDisplay::~CallDisplay() {
    m_connection.SetCallObserver(nullptr);
}

}  // namespace varnolt
