#pragma once

#include <cstdint>
#include <mutex>

namespace varnolt {

// What the service last reported of the dial being watched: written on the
// service's notification thread, read by the page's watch timer. Kept in
// memory, so dialing works on a store that cannot be written.
class DialStatus {
public:
    struct Report {
        int error = 0;           // 0 while the dial progresses, else the failure code
        bool connected = false;  // the line reached the connected state
    };

    // A new dial starts from nothing: no earlier call's word is seen.
    void Reset() { Set({}); }
    void Set(const Report& report) {
        std::lock_guard lock(m_mutex);
        m_report = report;
    }
    Report Get() const {
        std::lock_guard lock(m_mutex);
        return m_report;
    }

private:
    mutable std::mutex m_mutex;
    Report m_report;
};

}  // namespace varnolt
