#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnolt {

class SettingsStore;

// How the caption shows a running call; stored as "Style" in "All entries".
enum CaptionStyle : int {
    kStyleFeeAndTime = 0,
    kStyleFeeOnly = 1,
    kStyleTimeOnly = 2,
    kStyleTitleOnly = 3,
};
constexpr int kCaptionStyleCount = 4;

// The stored style; none for a value outside 0 to 3, which has no caption.
std::optional<CaptionStyle> ReadCaptionStyle(const SettingsStore& store);
void WriteCaptionStyle(SettingsStore& store, CaptionStyle style);

// The elapsed time of a call as hours (never wrapped at 24), minutes and
// seconds: "01:02:03 h".
std::string ElapsedTimeText(std::int64_t elapsedSeconds);

// The caption of a call in a style: fee "%.2f" with the currency symbol and
// the elapsed time as hours (never wrapped at 24), minutes and seconds.
std::string CaptionText(CaptionStyle style, float fee, std::string_view currencySymbol,
                        std::int64_t elapsedSeconds);
// The running call in three lines, whatever the style: entry, time, fee.
std::string CallSummaryText(std::string_view entryName, float fee, std::string_view currencySymbol,
                            std::int64_t elapsedSeconds);

}  // namespace varnolt
