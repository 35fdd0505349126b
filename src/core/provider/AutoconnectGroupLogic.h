#pragma once

#include "app/UiText.h"
#include "provider/AutoconnectGroupView.h"

namespace varnolt {

class Prompts;
class RemoteAccess;
class SettingsStore;

// The Options page's "Autoconnect at startup" group. It shows the stored choice
// when the page is set up; clicks change only the controls, and only "&Save"
// writes, so a change not saved is lost when the program ends.
class AutoconnectGroupLogic {
public:
    static constexpr const char* kNoEntryText =
        VARNOLT_TEXT("You'll have to select a valid phonebookentry first !");
    static constexpr const char* kNoEntryTitle = VARNOLT_TEXT("Error..");
    static constexpr const char* kNoProviderText =
        VARNOLT_TEXT("You'll have to select a valid providerentry first ");
    static constexpr const char* kNoProviderTitle = VARNOLT_TEXT("Error...");

    AutoconnectGroupLogic(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                          AutoconnectGroupView& view)
        : m_store(store), m_dialer(dialer), m_prompts(prompts), m_view(view) {}

    // Fills the lists and shows the stored choice.
    void SetUp();
    // Fills both lists afresh from the phonebook and the provider list and
    // selects the stored entry in each, whatever was selected before.
    void Refill();

    // checked: the box's state after the click.
    void OnAutoconnectClicked(bool checked);
    void OnRadioClicked(AutoconnectGroupView::Choice choice);
    void OnSave();

private:
    // The radio button's list usable, the other one not.
    void EnableListOf(AutoconnectGroupView::Choice choice);

    SettingsStore& m_store;
    RemoteAccess& m_dialer;
    Prompts& m_prompts;
    AutoconnectGroupView& m_view;
};

}  // namespace varnolt
