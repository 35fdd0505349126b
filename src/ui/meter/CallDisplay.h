#pragma once

#include "meter/CCallWindow.h"
#include "meter/CallPresenter.h"

namespace varnolt {

class ConnectionMachine;
class Locale;
class Notifier;
class SettingsStore;

// What the user sees of the Phonebook page's calls outside the sheet: the
// call window and the desktop notifications, told by the connection for as
// long as this lives. Its "Hang up" is the sheet's "Hang up connection".
class CallDisplay {
public:
    CallDisplay(SettingsStore& store, const Locale& locale, Notifier& notifier,
                ConnectionMachine& connection);
    ~CallDisplay();
    CallDisplay(const CallDisplay&) = delete;
    CallDisplay& operator=(const CallDisplay&) = delete;

    CCallWindow& Window() { return m_window; }
    // For the journal's report of a call that could not be saved.
    CallObserver& Observer() { return m_presenter; }

private:
    ConnectionMachine& m_connection;
    CCallWindow m_window;
    CallPresenter m_presenter;
};

}  // namespace varnolt
