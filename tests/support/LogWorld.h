#pragma once

#include "FixedLocale.h"
#include "ForwardingSettingsStore.h"
#include "MemorySettingsStore.h"
#include "RecordingSheetHost.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "log/CConnectionLog.h"

namespace varnolt::test {

// A connection log in a watched memory store, with the fakes around it that
// the LOG view needs.
struct LogWorld {
    MemorySettingsStore memory;
    ForwardingSettingsStore store{memory};
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingSheetHost host;
    ScriptedPrompts prompts;
    CConnectionLog log{store, locale, dialer, host};
};

}  // namespace varnolt::test
