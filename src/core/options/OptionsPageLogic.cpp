#include "OptionsPageLogic.h"

#include "app/NumberText.h"
#include "app/UiText.h"
#include "connection/PhonebookTexts.h"
#include "options/OptionKeys.h"

namespace varnolt {
namespace {

const std::string kSection(kAllEntriesSection);

// The sound file chooser: wave files in either case, or any file. No extension
// is added to a typed name: Linux file names need none.
FileRequest SoundFileRequest() {
    return {VARNOLT_TEXT("Select sound file ..."),
            {{VARNOLT_TEXT("Wave files (*.WAV)"), "*.WAV"}, {VARNOLT_TEXT("All files"), "*"}},
            "*.WAV",
            {}};
}

const char* LimitKey(BudgetKind kind) {
    return kind == BudgetKind::Call ? kCallLimitKey : kMonthLimitKey;
}

// The stored limit as the field shows it: empty for none.
std::string LimitText(const SettingsStore& store, BudgetKind kind) {
    const std::optional<float> limit = ReadLimit(store, LimitKey(kind));
    return limit ? FormatAmount(*limit) : std::string();
}

}  // namespace

void OptionsPageLogic::SetUp() {
    const std::string sound = m_store.ReadString(kSection, kSoundKey, kNoSound);
    const bool soundOn = sound != kNoSound;
    m_view.SetSoundChecked(soundOn);
    m_view.EnableSoundPath(soundOn);
    m_view.SetSoundPath(soundOn ? sound : std::string());
    m_view.SetFileLoggingChecked(m_store.ReadInt(kSection, kFileLoggingKey, kFileLoggingDefault) ==
                                 1);
    m_view.SetCloseAfterDisconnectChecked(
        m_store.ReadInt(kSection, kCloseAfterDisconnectKey, kCloseAfterDisconnectDefault) == 1);
    m_view.SetShowCallWindowChecked(
        m_store.ReadInt(kSection, kShowCallWindowKey, kShowCallWindowDefault) == 1);
    for (BudgetKind kind : {BudgetKind::Call, BudgetKind::Month}) {
        m_view.SetLimitText(kind, LimitText(m_store, kind));
    }
    m_view.SetHangUpAtCallLimitChecked(
        m_store.ReadInt(kSection, kHangUpAtCallLimitKey, kHangUpAtCallLimitDefault) == 1);
}

void OptionsPageLogic::OnSoundClicked(bool checked) {
    m_view.EnableSoundPath(checked);
    // An empty path is stored as it is: not "<no>", so the sound counts as on.
    m_store.WriteString(kSection, kSoundKey, checked ? m_view.SoundPath() : kNoSound);
}

void OptionsPageLogic::OnBrowseSound() {
    if (std::optional<std::string> path = m_prompts.ChooseOpenFile(SoundFileRequest())) {
        m_view.SetSoundPath(*path);
        m_store.WriteString(kSection, kSoundKey, *path);
    }
}

void OptionsPageLogic::OnCloseAfterDisconnectClicked(bool checked) {
    m_store.WriteInt(kSection, kCloseAfterDisconnectKey, checked ? 1 : 0);
}

void OptionsPageLogic::OnFileLoggingClicked(bool checked) {
    m_store.WriteInt(kSection, kFileLoggingKey, checked ? 1 : 0);
}

void OptionsPageLogic::OnShowCallWindowClicked(bool checked) {
    m_store.WriteInt(kSection, kShowCallWindowKey, checked ? 1 : 0);
}

void OptionsPageLogic::OnLimitEdited(BudgetKind kind) {
    const std::string text = m_view.LimitText(kind);
    const bool empty = text.find_first_not_of(" \t") == std::string::npos;
    const std::optional<float> limit = ScanWholeFloat(text);
    if (!empty && (!limit || *limit < 0.0f)) {
        // Shown back first: the box takes the focus, which finishes the editing again.
        m_view.SetLimitText(kind, varnolt::LimitText(m_store, kind));
        m_prompts.MessageBox(kLimitMessage, VARNOLT_TEXT("Error..."), PromptIcon::Stop,
                             PromptButtons::Ok);
        return;
    }
    const std::string stored = empty ? std::string() : FormatAmount(*limit);
    // A limit the store did not keep must not look set: it would limit nothing.
    if (!m_store.WriteString(kSection, LimitKey(kind), stored)) {
        m_view.SetLimitText(kind, varnolt::LimitText(m_store, kind));
        ReportBudgetNotSaved();
        return;
    }
    m_view.SetLimitText(kind, stored);
}

void OptionsPageLogic::OnHangUpAtCallLimitClicked(bool checked) {
    if (!m_store.WriteInt(kSection, kHangUpAtCallLimitKey, checked ? 1 : 0)) {
        m_view.SetHangUpAtCallLimitChecked(
            m_store.ReadInt(kSection, kHangUpAtCallLimitKey, kHangUpAtCallLimitDefault) == 1);
        ReportBudgetNotSaved();
    }
}

void OptionsPageLogic::ReportBudgetNotSaved() {
    m_prompts.MessageBox(kBudgetNotSavedMessage, VARNOLT_TEXT("Error..."), PromptIcon::Stop,
                         PromptButtons::Ok);
}

}  // namespace varnolt
