#pragma once

#include "app/UiText.h"
#include "options/OptionsPageView.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

namespace varnolt {

// What the Options page shows and stores. Every control writes its key the
// moment it is used; there is no apply step and nothing to undo. Typing into
// the path box writes nothing: the path is stored when the sound box is next
// checked or a file is browsed. A limit is stored when its field's editing
// finishes, as "%.2f" or empty for none; any other text is refused.
class OptionsPageLogic {
public:
    OptionsPageLogic(SettingsStore& store, Prompts& prompts, OptionsPageView& view)
        : m_store(store), m_prompts(prompts), m_view(view) {}

    // Shows the stored switches, their defaults when missing.
    void SetUp();
    // checked: the box's state after the click.
    void OnSoundClicked(bool checked);
    void OnBrowseSound();
    void OnCloseAfterDisconnectClicked(bool checked);
    void OnFileLoggingClicked(bool checked);
    void OnShowCallWindowClicked(bool checked);
    void OnLimitEdited(BudgetKind kind);
    void OnHangUpAtCallLimitClicked(bool checked);

    static constexpr const char* kLimitMessage =
        VARNOLT_TEXT("You have to enter a valid amount (like 5.00) or leave the field empty !");
    static constexpr const char* kBudgetNotSavedMessage =
        VARNOLT_TEXT("The budget could not be saved, as the settings store cannot be written; "
                     "it stays as it was.");

private:
    void ReportBudgetNotSaved();

    SettingsStore& m_store;
    Prompts& m_prompts;
    OptionsPageView& m_view;
};

}  // namespace varnolt
