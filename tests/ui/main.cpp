#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <cstdlib>

#include "app/Translation.h"

int main(int argc, char** argv) {
    // Headless unless a display is asked for explicitly.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // Some runs repeat the suite with a larger font.
    if (const int points = qEnvironmentVariableIntValue("VARNOLT_TEST_FONT_POINTS"); points > 0) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    // The layout walk runs once more in a translation; every other run stays English.
    const auto translations =
        varnolt::InstallTranslations({qEnvironmentVariable("VARNOLT_TEST_LANGUAGE", "en")});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
