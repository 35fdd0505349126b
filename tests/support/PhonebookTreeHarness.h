#pragma once

#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "connection/PhonebookTreeLogic.h"

namespace varnolt::test {

// The Phonebook tree logic on fakes, for tests of the commands it dispatches.
struct PhonebookTreeHarness {
    RecordingSettingsStore store;
    ScriptedDialer dialer;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    RecordingTreeView view;
    FixedLocale locale;
    RecordingSheetHost host;
    PhonebookTreeLogic tree{store, dialer, locale, host, view};
};

}  // namespace varnolt::test
