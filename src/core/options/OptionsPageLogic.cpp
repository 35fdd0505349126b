#include "OptionsPageLogic.h"

#include "connection/PhonebookTexts.h"
#include "options/OptionKeys.h"

namespace varnolt {
namespace {

const std::string kSection(kAllEntriesSection);
const std::string kSound(kSoundKey);
const std::string kClose(kCloseAfterDisconnectKey);
const std::string kFileLogging(kFileLoggingKey);

}  // namespace

OpenFileRequest SoundFileRequest() {
    // No extension is added to a typed name: Linux file names need none.
    return {"Select sound file ...",
            {{"Wave files (*.WAV)", "*.WAV"}, {"All files", "*"}},
            "*.WAV",
            {}};
}

void OptionsPageLogic::SetUp() {
    const std::string sound = m_store.ReadString(kSection, kSound, std::string(kNoSound));
    const bool soundOn = sound != kNoSound;
    m_view.SetSoundChecked(soundOn);
    m_view.EnableSoundPath(soundOn);
    m_view.SetSoundPath(soundOn ? sound : std::string());
    m_view.SetFileLoggingChecked(m_store.ReadInt(kSection, kFileLogging, kFileLoggingDefault) == 1);
    m_view.SetCloseAfterDisconnectChecked(
        m_store.ReadInt(kSection, kClose, kCloseAfterDisconnectDefault) == 1);
}

void OptionsPageLogic::OnSoundClicked(bool checked) {
    m_view.EnableSoundPath(checked);
    // An empty path is stored as it is: not "<no>", so the sound counts as on.
    m_store.WriteString(kSection, kSound, checked ? m_view.SoundPath() : std::string(kNoSound));
}

void OptionsPageLogic::OnBrowseSound() {
    if (std::optional<std::string> path = m_prompts.ChooseOpenFile(SoundFileRequest())) {
        m_view.SetSoundPath(*path);
        m_store.WriteString(kSection, kSound, *path);
    }
}

void OptionsPageLogic::OnCloseAfterDisconnectClicked(bool checked) {
    m_store.WriteInt(kSection, kClose, checked ? 1 : 0);
}

void OptionsPageLogic::OnFileLoggingClicked(bool checked) {
    m_store.WriteInt(kSection, kFileLogging, checked ? 1 : 0);
}

}  // namespace varnolt
