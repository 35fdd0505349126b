#pragma once

#include <string>

namespace varnolt {

// Plays wave files. Returns at once and never reports: a file that cannot be
// played, or a machine without an audio device, stays silent.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void PlayWave(const std::string& path) = 0;
};

}  // namespace varnolt
