#pragma once

#include "ForwardingSettingsStore.h"
#include "MemorySettingsStore.h"

namespace varnolt::test {

// Holds the memory store, so that it exists before the watcher that uses it.
struct MemoryStoreHolder {
    MemorySettingsStore memory;
};

// A memory store that logs every write in order and counts the reads (see
// ForwardingSettingsStore), so tests can check write order and that reading
// stays bounded.
class RecordingSettingsStore final : public MemoryStoreHolder, public ForwardingSettingsStore {
public:
    RecordingSettingsStore() : ForwardingSettingsStore(memory) {}
};

}  // namespace varnolt::test
