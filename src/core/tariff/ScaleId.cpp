#include "tariff/ScaleId.h"

namespace varnolt {
namespace {

struct ScaleTexts {
    const char* label;
    const char* identifier;
    const char* keySuffix;
};

// Indexed by ScaleId.
constexpr std::array<ScaleTexts, kAllScales.size()> kTexts{{
    {"Deutsche Telekom City", "Deutsche Telekom City", ""},
    {"Deutsche Telekom Reg. 50", "Deutsche Telekom Region 50", ""},
    {"Deutsche Telekom Reg. 200", "Deutsche Telekom Region 200", ""},
    {"Deutsche Telekom Fern", "Deutsche Telekom Fern", ""},
    {"Userdefined scale #1", "Userdefined scale #1", ""},
    {"Userdefined scale #2", "Userdefined scale #2", " #2"},
    {"Userdefined scale #3", "Userdefined scale #3", " #3"},
}};

const ScaleTexts& TextsOf(ScaleId id) {
    return kTexts.at(static_cast<std::size_t>(id));
}

}  // namespace

std::string ScaleLabel(ScaleId id) {
    return TextsOf(id).label;
}

std::string ScaleIdentifier(ScaleId id) {
    return TextsOf(id).identifier;
}

std::string KeySuffix(ScaleId id) {
    return TextsOf(id).keySuffix;
}

std::optional<ScaleId> ScaleFromIdentifier(std::string_view text) {
    if (text == "Userdefined") {
        return ScaleId::User1;
    }
    for (ScaleId id : kAllScales) {
        if (text == TextsOf(id).identifier) {
            return id;
        }
    }
    return std::nullopt;
}

}  // namespace varnolt
