#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UiText.h"

namespace varnolt {
namespace {

// Data that looks like markers or like the template stays as it is.
TEST(UiText, FillTextReplacesEachMarkerOnceAndRemembersItsParts) {
    const struct {
        const char* templ;
        std::vector<std::string> args;
        std::string filled;
    } cases[] = {
        {"User: %1", {"bob"}, "User: bob"},
        {"Costs: %1 %2", {"%2", "EUR"}, "Costs: %2 EUR"},
        {"'%1' at %2", {"User: %1", ""}, "'User: %1' at "},
        {"100% %3", {"x"}, "100% %3"},
    };
    for (const auto& c : cases) {
        const std::string filled = c.args.size() == 1 ? FillText(c.templ, {c.args[0]})
                                                      : FillText(c.templ, {c.args[0], c.args[1]});
        EXPECT_EQ(filled, c.filled);
        const auto parts = FindFilledText(filled);
        ASSERT_TRUE(parts.has_value()) << filled;
        EXPECT_EQ(parts->templ, c.templ);
        EXPECT_EQ(parts->args, c.args);
    }
    EXPECT_FALSE(FindFilledText("User: never filled").has_value());
}

}  // namespace
}  // namespace varnolt
