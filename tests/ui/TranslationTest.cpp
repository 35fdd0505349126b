#include <gtest/gtest.h>

#include "app/CRASSheet.h"
#include "app/SheetMessages.h"
#include "app/Translation.h"
#include "app/UiText.h"
#include "qt/CoreText.h"

namespace varnolt {
namespace {

// The first of the user's languages decides; English, the source, installs nothing.
TEST(Translation, FollowsTheFirstUiLanguage) {
    const struct {
        QStringList languages;
        QString phonebook;
    } cases[] = {
        {{"de"}, "Telefonbuch"},          {{"de-DE", "en-US"}, "Telefonbuch"},
        {{"en", "de-DE"}, "Phonebook"},   {{"en-US"}, "Phonebook"},
        {{"xx", "de-AT"}, "Telefonbuch"},
    };
    for (const auto& c : cases) {
        const auto installed = InstallTranslations(c.languages);
        EXPECT_EQ(CRASSheet::TabTitle(kPagePhonebook), c.phonebook)
            << c.languages.join(",").toStdString();
    }
    EXPECT_EQ(CRASSheet::TabTitle(kPagePhonebook), "Phonebook");
}

// A core text built from a template shows the translated template and the data as it is.
TEST(Translation, CoreTextTranslatesTheTemplateAndKeepsTheData) {
    const auto installed = InstallTranslations({"de"});
    EXPECT_EQ(CoreText(FillText(VARNOLT_TEXT("User: %1"), {"Scale: %1 %2"})),
              QString("Benutzer: Scale: %1 %2"));
    EXPECT_EQ(CoreText(VARNOLT_TEXT("The phone line is busy.")), "Die Leitung ist besetzt.");
    EXPECT_EQ(CoreText("an entry name"), "an entry name");
}

// A reason put into a message and messages put into one box are translated
// too; plain data, even a word the program translates elsewhere, is not.
TEST(Translation, CoreTextTranslatesTextsPutIntoOthers) {
    const auto installed = InstallTranslations({"de"});
    const std::string reason =
        FillText(VARNOLT_TEXT("pppd ended with exit status %1: %2"),
                 {"8", MarkedText(VARNOLT_TEXT("the chat script that dials the modem failed."))});
    EXPECT_EQ(CoreText(FillText(VARNOLT_TEXT("%1\n\n%2"), {reason, "Phonebook"})),
              "pppd endete mit Exit-Status 8: das Chat-Skript, das mit dem Modem wählt, ist "
              "fehlgeschlagen.\n\nPhonebook");
    // A text that is its own data ends there.
    EXPECT_EQ(CoreText(FillText("%1", {"loop"})), "loop");
}

}  // namespace
}  // namespace varnolt
