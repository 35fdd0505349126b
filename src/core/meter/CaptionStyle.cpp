#include "meter/CaptionStyle.h"

#include <algorithm>
#include <climits>

#include "app/NumberText.h"
#include "app/UiText.h"
#include "connection/PhonebookTexts.h"
#include "platform/SettingsStore.h"

namespace varnolt {
namespace {

const std::string kSection(kAllEntriesSection);
constexpr const char* kKey = "Style";

}  // namespace

std::string ElapsedTimeText(std::int64_t elapsedSeconds) {
    const std::int64_t elapsed = std::max<std::int64_t>(elapsedSeconds, 0);
    const auto hours = static_cast<int>(std::min<std::int64_t>(elapsed / 3600, INT_MAX));
    return FormatTwoDigits(hours) + ":" + FormatTwoDigits(static_cast<int>(elapsed % 3600 / 60)) +
           ":" + FormatTwoDigits(static_cast<int>(elapsed % 60)) + " h";
}

std::optional<CaptionStyle> ReadCaptionStyle(const SettingsStore& store) {
    const int value = store.ReadInt(kSection, kKey, kStyleFeeAndTime);
    if (value < 0 || value >= kCaptionStyleCount) {
        return std::nullopt;
    }
    return static_cast<CaptionStyle>(value);
}

void WriteCaptionStyle(SettingsStore& store, CaptionStyle style) {
    store.WriteInt(kSection, kKey, style);
}

std::string CaptionText(CaptionStyle style, float fee, std::string_view currencySymbol,
                        std::int64_t elapsedSeconds) {
    switch (style) {
        case kStyleFeeAndTime:
            return AmountText(fee, currencySymbol) + " / " + ElapsedTimeText(elapsedSeconds);
        case kStyleFeeOnly:
            return AmountText(fee, currencySymbol) + " / Varnolt";
        case kStyleTimeOnly:
            return ElapsedTimeText(elapsedSeconds) + " / Varnolt";
        case kStyleTitleOnly:
            break;
    }
    return VARNOLT_TEXT("Varnolt / connect");
}

std::string CallSummaryText(std::string_view entryName, float fee, std::string_view currencySymbol,
                            std::int64_t elapsedSeconds) {
    return FillText(VARNOLT_TEXT("%1\nConnected for %2\nFee so far: %3"),
                    {entryName, ElapsedTimeText(elapsedSeconds), AmountText(fee, currencySymbol)});
}

}  // namespace varnolt
