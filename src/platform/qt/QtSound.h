#pragma once

#include <QObject>

#include "platform/Sound.h"

class QSoundEffect;

namespace varnolt {

// Wave files through Qt Multimedia. The player is made at the first sound, so
// a program that plays none never touches the audio system; loading and
// playing run in the background, and a file or device that fails is silent.
class QtSound final : public QObject, public Sound {
public:
    explicit QtSound(QObject* parent = nullptr) : QObject(parent) {}

    void PlayWave(const std::string& path) override;

private:
    QSoundEffect* m_effect = nullptr;
};

}  // namespace varnolt
