#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnolt {

// The seven tariff scales, in the order the Scale manager lists them. The set
// is fixed: four built-in tables and three scales the user edits.
enum class ScaleId { City, Region50, Region200, Fern, User1, User2, User3 };

inline constexpr std::array<ScaleId, 7> kAllScales{
    ScaleId::City,  ScaleId::Region50, ScaleId::Region200, ScaleId::Fern,
    ScaleId::User1, ScaleId::User2,    ScaleId::User3};

constexpr bool IsBuiltin(ScaleId id) {
    return id == ScaleId::City || id == ScaleId::Region50 || id == ScaleId::Region200 ||
           id == ScaleId::Fern;
}

// The text of the scale in the Scale manager tree ("Deutsche Telekom Reg. 50").
std::string ScaleLabel(ScaleId id);
// How a phonebook entry names the scale ("Deutsche Telekom Region 50"). The two
// Region spellings differ from their labels; a label is never an identifier.
std::string ScaleIdentifier(ScaleId id);
// Appended to every store key of a user-defined scale: "" for #1, " #2", " #3".
// Built-in scales have no keys; their suffix is empty too.
std::string KeySuffix(ScaleId id);

// The scale an identifier names, compared exactly (case matters); the old
// identifier "Userdefined" still means the first user-defined scale.
std::optional<ScaleId> ScaleFromIdentifier(std::string_view text);

}  // namespace varnolt
