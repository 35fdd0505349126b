#pragma once

#include "platform/SettingsStore.h"

namespace varnolt {

// Groups the writes of one user action or one call: everything written while
// it is open commits together when it closes, or none of it does. Never call
// the remote-access service while one is open (see SettingsStore).
class StoreTransaction {
public:
    explicit StoreTransaction(SettingsStore& store) : m_store(store) { m_store.BeginTransaction(); }
    ~StoreTransaction() {
        if (!m_ended) {
            m_store.EndTransaction();
        }
    }
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // Closes it now; whether the writes were kept.
    bool Commit() {
        m_ended = true;
        return m_store.EndTransaction();
    }

private:
    SettingsStore& m_store;
    bool m_ended = false;
};

}  // namespace varnolt
