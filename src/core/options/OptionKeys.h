#pragma once

namespace varnolt {

// The program-wide switches in the section "All entries". Readers take the
// default when a key is missing and read afresh at every use.
inline constexpr const char* kSoundKey = "Sound";
inline constexpr const char* kNoSound = "<no>";  // no sound; the default
inline constexpr const char* kCloseAfterDisconnectKey = "Close after disconnect";
inline constexpr int kCloseAfterDisconnectDefault = 0;
inline constexpr const char* kFileLoggingKey = "Filelogging";
inline constexpr int kFileLoggingDefault = 1;
inline constexpr const char* kShowCallWindowKey = "Show call meter window";
inline constexpr int kShowCallWindowDefault = 1;
// Budget limits as "%.2f" amounts; an empty text is no limit.
inline constexpr const char* kCallLimitKey = "Call limit";
inline constexpr const char* kMonthLimitKey = "Month limit";
inline constexpr const char* kHangUpAtCallLimitKey = "Hang up at call limit";
inline constexpr int kHangUpAtCallLimitDefault = 0;

}  // namespace varnolt
