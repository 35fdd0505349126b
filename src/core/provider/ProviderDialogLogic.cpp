#include "ProviderDialogLogic.h"

#include <algorithm>

#include "app/UiText.h"
#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "provider/CProviderStore.h"

namespace varnolt {

namespace {

using List = ProviderDialogView::List;

void ShowError(Prompts& prompts, const std::string& text) {
    prompts.MessageBox(text, VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
}

}  // namespace

ProviderDialogLogic::ProviderDialogLogic(SettingsStore& store, RemoteAccess& dialer,
                                         Prompts& prompts, ProviderDialogView& view,
                                         std::string& description, int number)
    : m_store(store),
      m_dialer(dialer),
      m_prompts(prompts),
      m_view(view),
      m_description(description),
      m_openedWith(description),
      m_number(number) {}

void ProviderDialogLogic::Open() {
    m_view.SetDescription(m_description);
    m_available = m_dialer.EnumEntries();
    // A new provider's section normally holds nothing yet.
    m_members = ProviderList(m_store).Members(m_description, ProviderList::kNone);
    for (const std::string& member : m_members) {
        auto it = std::find(m_available.begin(), m_available.end(), member);
        if (it != m_available.end()) {
            m_available.erase(it);
        }
    }
    m_view.FillList(List::Available, m_available, true);
    m_view.FillList(List::Provider, m_members, !m_members.empty());
}

std::vector<std::string>& ProviderDialogLogic::Entries(List list) {
    return list == List::Available ? m_available : m_members;
}

void ProviderDialogLogic::Move(List from, std::optional<int> index) {
    std::vector<std::string>& source = Entries(from);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= source.size()) {
        return;
    }
    const List to = from == List::Available ? List::Provider : List::Available;
    const auto it = source.begin() + *index;
    const std::string name = *it;
    Entries(to).push_back(name);
    m_view.AppendEntry(to, name);
    source.erase(it);
    m_view.RemoveEntry(from, *index);
}

bool ProviderDialogLogic::Ok(const std::string& typedDescription) {
    m_description = typedDescription;
    if (m_description.empty()) {
        ShowError(m_prompts, VARNOLT_TEXT("Description for this provider missing !"));
        return false;
    }
    if (m_members.empty()) {
        ShowError(m_prompts, ProviderList::kNoEntriesText);
        return false;
    }
    const CProviderStore::SaveResult saved =
        CProviderStore(m_store).Save(m_description, m_members, m_number, m_openedWith);
    if (saved == CProviderStore::SaveResult::DescriptionInUse) {
        ShowError(m_prompts, VARNOLT_TEXT("This decsription is in use by another provider !\n\n"
                                          "Change the description for this one !"));
    }
    // A save the store did not keep leaves the dialog open, so nothing shows a
    // provider the store lacks.
    return saved == CProviderStore::SaveResult::Saved;
}

}  // namespace varnolt
