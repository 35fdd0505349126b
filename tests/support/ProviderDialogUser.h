#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "provider/ProviderDialogLogic.h"
#include "provider/ProviderDialogs.h"

namespace varnolt::test {

// Plays the user of the Provider dialog on the dialog's own logic. Each visit
// moves entries in and out by name, then presses OK on a typed description or
// cancels; a refused OK counts as cancelled. The lists are kept as the dialog
// would show them, and what each visit opened with is recorded.
class ProviderDialogUser final : public ProviderDialogs, private ProviderDialogView {
public:
    struct Visit {
        std::vector<std::string> moveIn;
        std::vector<std::string> moveOut;
        std::optional<std::string> ok;  // nullopt: Cancel
    };

    ProviderDialogUser(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts)
        : m_store(store), m_dialer(dialer), m_prompts(prompts) {}

    bool EditProvider(std::string& description, int number) override {
        opened.emplace_back(description, number);
        ProviderDialogLogic logic(m_store, m_dialer, m_prompts, *this, description, number);
        logic.Open();
        const Visit visit = visits.empty() ? Visit{} : visits.front();
        if (!visits.empty()) {
            visits.pop_front();
        }
        for (const std::string& name : visit.moveIn) {
            logic.Move(List::Available, IndexOf(List::Available, name));
        }
        for (const std::string& name : visit.moveOut) {
            logic.Move(List::Provider, IndexOf(List::Provider, name));
        }
        return visit.ok && logic.Ok(*visit.ok);
    }

    std::deque<Visit> visits;
    std::vector<std::pair<std::string, int>> opened;
    // As last shown: the available entries and the provider's.
    std::array<std::vector<std::string>, 2> lists;

private:
    std::vector<std::string>& Shown(List list) { return lists[list == List::Available ? 0 : 1]; }
    std::optional<int> IndexOf(List list, const std::string& name) {
        const std::vector<std::string>& shown = Shown(list);
        const auto it = std::find(shown.begin(), shown.end(), name);
        return it == shown.end() ? std::nullopt : std::optional(int(it - shown.begin()));
    }

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
