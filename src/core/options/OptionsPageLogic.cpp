#include "OptionsPageLogic.h"

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

}  // namespace varnolt
