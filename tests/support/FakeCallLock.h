#pragma once

#include <map>
#include <memory>

#include "platform/CallLock.h"

namespace varnolt::test {

// The running-call locks of one process; the test plays any other process
// that holds one, or gives a second fake the same table to run a second
// program beside the first.
struct FakeCallLock final : CallLock {
    // Who holds each slot; nullptr: a process the test plays.
    using Table = std::map<int, const FakeCallLock*>;

    FakeCallLock() = default;
    explicit FakeCallLock(std::shared_ptr<Table> shared) : holders(std::move(shared)) {}

    bool TryAcquire(int slot) override {
        if (unavailable) {
            return false;
        }
        return holders->try_emplace(slot, this).first->second == this;
    }
    void Release(int slot) override {
        if (Held(slot)) {
            holders->erase(slot);
        }
    }

    bool Held(int slot) const {
        const auto it = holders->find(slot);
        return it != holders->end() && it->second == this;
    }
    bool HeldAny() const {
        for (const auto& [slot, holder] : *holders) {
            if (holder == this) {
                return true;
            }
        }
        return false;
    }
    void HoldElsewhere(int slot) { (*holders)[slot] = nullptr; }
    // This process dies: the system drops every lock it held.
    void Die() {
        std::erase_if(*holders, [this](const auto& held) { return held.second == this; });
    }

    std::shared_ptr<Table> holders = std::make_shared<Table>();
    bool unavailable = false;  // no lock can be had at all
};

}  // namespace varnolt::test
