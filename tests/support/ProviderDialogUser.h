#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "provider/ProviderDialogLogic.h"
#include "provider/ProviderDialogs.h"

namespace varnolt::test {

// Plays the user of the Provider dialog on the dialog's own logic: each visit
// moves entries in by name, then presses OK on a typed description (a refused
// OK counts as cancelled) or, without a visit scripted, cancels. Records what
// each visit opened with and keeps the lists as the dialog shows them.
class ProviderDialogUser final : public ProviderDialogs, private ProviderDialogView {
public:
    struct Visit {
        std::vector<std::string> moveIn;
        std::string typed;
    };

    ProviderDialogUser(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts)
        : m_store(store), m_dialer(dialer), m_prompts(prompts) {}

    bool EditProvider(std::string& description, int number) override {
        opened.emplace_back(description, number);
        ProviderDialogLogic logic(m_store, m_dialer, m_prompts, *this, description, number);
        logic.Open();
        if (visits.empty()) {
            return false;
        }
        const Visit visit = visits.front();
        visits.pop_front();
        for (const std::string& name : visit.moveIn) {
            const std::vector<std::string>& available = lists[0];
            const auto it = std::find(available.begin(), available.end(), name);
            logic.Move(List::Available, static_cast<int>(it - available.begin()));
        }
        return logic.Ok(visit.typed);
    }

    std::deque<Visit> visits;
    std::vector<std::pair<std::string, int>> opened;
    // The available entries and the provider's, as last shown.
    std::array<std::vector<std::string>, 2> lists;

private:
    std::vector<std::string>& Shown(List list) { return lists[list == List::Available ? 0 : 1]; }
    void SetDescription(const std::string&) override {}
    void FillList(List list, const std::vector<std::string>& names, bool) override {
        Shown(list) = names;
    }
    void AppendEntry(List list, const std::string& name) override { Shown(list).push_back(name); }
    void RemoveEntry(List list, int index) override {
        Shown(list).erase(Shown(list).begin() + index);
    }

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    Prompts& m_prompts;
};

}  // namespace varnolt::test
