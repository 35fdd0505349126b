#include "AutoconnectGroupLogic.h"

#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "platform/StoreTransaction.h"
#include "provider/AutoconnectChoice.h"
#include "provider/ProviderList.h"

namespace varnolt {

using Choice = AutoconnectGroupView::Choice;

void AutoconnectGroupLogic::SetUp() {
    Refill();
    const AutoconnectChoice stored = AutoconnectChoice::Read(m_store);
    m_view.SetAutoconnectChecked(stored.on);
    // Only the exact "Phonebook" shows the phonebook choice; a hand-written
    // "provider" shows the provider choice, though start-up dials an entry then.
    // Switched off, the phonebook choice is shown.
    m_view.CheckRadio(stored.on && stored.type != AutoconnectChoice::kPhonebook
                          ? Choice::Provider
                          : Choice::Phonebook);
    OnAutoconnectClicked(stored.on);
}

void AutoconnectGroupLogic::Refill() {
    // One "Entry" for both lists, whatever the type says.
    const std::string entry = AutoconnectChoice::Read(m_store).entry;
    m_view.FillList(Choice::Phonebook, m_dialer.EnumEntries(), entry);
    m_view.FillList(Choice::Provider, ProviderList(m_store).Descriptions(), entry);
}

void AutoconnectGroupLogic::OnAutoconnectClicked(bool checked) {
    m_view.EnableRadios(checked);
    if (checked) {
        EnableListOf(m_view.RadioChecked(Choice::Provider) ? Choice::Provider : Choice::Phonebook);
    } else {
        m_view.EnableList(Choice::Phonebook, false);
        m_view.EnableList(Choice::Provider, false);
    }
}

void AutoconnectGroupLogic::OnRadioClicked(Choice choice) {
    EnableListOf(choice);
}

void AutoconnectGroupLogic::EnableListOf(Choice choice) {
    m_view.EnableList(Choice::Phonebook, choice == Choice::Phonebook);
    m_view.EnableList(Choice::Provider, choice == Choice::Provider);
}

void AutoconnectGroupLogic::OnSave() {
    const std::string section = AutoconnectChoice::kSection;
    if (!m_view.AutoconnectChecked()) {
        m_store.WriteInt(section, AutoconnectChoice::kOnKey, 0);
        return;
    }
    const bool phonebook = m_view.RadioChecked(Choice::Phonebook);
    const std::string entry = m_view.SelectedItem(phonebook ? Choice::Phonebook : Choice::Provider);
    if (entry.empty()) {
        m_prompts.MessageBox(phonebook ? kNoEntryText : kNoProviderText,
                             phonebook ? kNoEntryTitle : kNoProviderTitle, PromptIcon::Stop,
                             PromptButtons::Ok);
        return;
    }
    // Together, so autoconnect is never switched on with the previous choice.
    StoreTransaction transaction(m_store);
    m_store.WriteInt(section, AutoconnectChoice::kOnKey, 1);
    m_store.WriteString(section, AutoconnectChoice::kTypeKey,
                        phonebook ? AutoconnectChoice::kPhonebook : AutoconnectChoice::kProvider);
    m_store.WriteString(section, AutoconnectChoice::kEntryKey, entry);
}

}  // namespace varnolt
