#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tariff/ScaleId.h"

namespace varnolt {
namespace {

struct Identity {
    ScaleId id;
    const char* label;
    const char* identifier;
    const char* suffix;
    bool builtin;
};

// In the order the Scale manager lists them.
constexpr Identity kIdentities[] = {
    {ScaleId::City, "Deutsche Telekom City", "Deutsche Telekom City", "", true},
    {ScaleId::Region50, "Deutsche Telekom Reg. 50", "Deutsche Telekom Region 50", "", true},
    {ScaleId::Region200, "Deutsche Telekom Reg. 200", "Deutsche Telekom Region 200", "", true},
    {ScaleId::Fern, "Deutsche Telekom Fern", "Deutsche Telekom Fern", "", true},
    {ScaleId::User1, "Userdefined scale #1", "Userdefined scale #1", "", false},
    {ScaleId::User2, "Userdefined scale #2", "Userdefined scale #2", " #2", false},
    {ScaleId::User3, "Userdefined scale #3", "Userdefined scale #3", " #3", false},
};

TEST(ScaleId, TextsAndOrderOfEveryScale) {
    ASSERT_EQ(kAllScales.size(), std::size(kIdentities));
    for (std::size_t i = 0; i < kAllScales.size(); ++i) {
        const Identity& expected = kIdentities[i];
        SCOPED_TRACE(expected.label);
        EXPECT_EQ(kAllScales[i], expected.id);
        EXPECT_EQ(ScaleLabel(expected.id), expected.label);
        EXPECT_EQ(ScaleIdentifier(expected.id), expected.identifier);
        EXPECT_EQ(KeySuffix(expected.id), expected.suffix);
        EXPECT_EQ(IsBuiltin(expected.id), expected.builtin);
        EXPECT_EQ(ScaleFromIdentifier(expected.identifier), expected.id);
    }
}

TEST(ScaleFromIdentifier, MatchesExactlyWithTheUserdefinedAlias) {
    struct Case {
        const char* text;
        std::optional<ScaleId> expected;
    };
    const Case cases[] = {
        {"Userdefined", ScaleId::User1},
        {"deutsche telekom city", std::nullopt},
        {"DEUTSCHE TELEKOM CITY", std::nullopt},
        {"Deutsche Telekom Reg. 50", std::nullopt},
        {"Deutsche Telekom Reg. 200", std::nullopt},
        {"userdefined", std::nullopt},
        {"Userdefined ", std::nullopt},
        {" Deutsche Telekom Fern", std::nullopt},
        {"Deutsche Telekom City ", std::nullopt},
        {"Userdefined scale #4", std::nullopt},
        {"Userdefined scale", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleFromIdentifier(c.text), c.expected) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace varnolt
