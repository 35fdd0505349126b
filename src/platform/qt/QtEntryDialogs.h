#pragma once

#include "platform/Prompts.h"
#include "sim/EntryDialogs.h"

namespace varnolt {

// The simulated service's entry dialogs as modal Qt dialogs over the active
// window.
class QtEntryDialogs final : public EntryDialogs {
public:
    explicit QtEntryDialogs(Prompts& prompts) : m_prompts(prompts) {}

    void ShowNewEntry(const Submit& submit) override;
    void ShowEditEntry(const PhonebookEntry& entry, const Submit& submit) override;

private:
    Prompts& m_prompts;
};

}  // namespace varnolt
