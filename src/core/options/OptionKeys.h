#pragma once

#include <string_view>

namespace varnolt {

// The program-wide switches in the section "All entries". Readers take the
// default when a key is missing and read afresh at every use.
inline constexpr std::string_view kSoundKey = "Sound";
inline constexpr std::string_view kNoSound = "<no>";  // no sound; the default
inline constexpr std::string_view kCloseAfterDisconnectKey = "Close after disconnect";
inline constexpr int kCloseAfterDisconnectDefault = 0;
inline constexpr std::string_view kFileLoggingKey = "Filelogging";
inline constexpr int kFileLoggingDefault = 1;

}  // namespace varnolt
