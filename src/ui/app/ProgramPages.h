#pragma once

#include "options/StorageLocation.h"

namespace varnolt {

class CRASSheet;
class CTreePage;
class CallLock;
class Clock;
class ExportFile;
class Locale;
class Prompts;
class RemoteAccess;
class SettingsStore;
class Shell;
class Sound;
class Timers;

// What the program's pages work on.
struct ProgramServices {
    SettingsStore& store;
    RemoteAccess& dialer;
    const Locale& locale;
    Prompts& prompts;
    const Clock& clock;
    Timers& timers;
    Sound& sound;
    Shell& shell;
    CallLock& callLock;  // held by the process whose call the journal keeps
    ExportFile& files;   // writes the files the user names for an export
    // Where the settings store and the phonebook are kept, as the About page tells it.
    StorageLocation storeAt;
    StorageLocation phonebookAt;
    // The remote-access service in use when it is not the simulated one.
    std::string otherService = {};
};

// Gives the sheet its eight pages, the Phonebook page able to dial, and
// returns that page.
CTreePage* AddProgramPages(CRASSheet& sheet, const ProgramServices& services);

}  // namespace varnolt
