#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>
#include <QWidget>
#include <fstream>

#include "DialogTesting.h"
#include "TempDir.h"
#include "qt/QtPrompts.h"

namespace varnolt {
namespace {

// What the chooser showed, read from inside it.
struct Seen {
    QString title;
    QStringList filters;
    QStringList shownTypes;
    QString suffix;
};

void Look(QFileDialog& dialog, Seen& seen) {
    seen.title = dialog.windowTitle();
    seen.filters = dialog.nameFilters();
    seen.suffix = dialog.defaultSuffix();
    if (auto* types = dialog.findChild<QComboBox*>("fileTypeCombo")) {
        for (int i = 0; i < types->count(); ++i) {
            seen.shownTypes << types->itemText(i);
        }
    }
}

TEST(QtPromptsUi, TheOpenFileChooserShowsTheRequestAndHandsBackThePick) {
    test::TempDir dir;
    const std::string picked = (dir.path() / "ring.wav").string();
    std::ofstream(picked) << "RIFF";
    QtPrompts prompts;
    QWidget owner;
    const OpenFileRequest request{"Select sound file ...",
                                  {{"Wave files (*.WAV)", "*.WAV"}, {"All files", "*"}},
                                  "*.WAV",
                                  "WAV"};

    Seen seen;
    test::WhenModal<QFileDialog>(owner, [&](QFileDialog& dialog) {
        Look(dialog, seen);
        dialog.selectFile(QString::fromStdString(picked));
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    EXPECT_EQ(prompts.ChooseOpenFile(request), picked);

    EXPECT_EQ(seen.title, "Select sound file ...");
    EXPECT_EQ(seen.suffix, "WAV");
    EXPECT_EQ(seen.shownTypes, (QStringList{"Wave files (*.WAV)", "All files"}));
    // "*.WAV" matches the name in either case, on a file system that tells them apart.
    ASSERT_EQ(seen.filters.size(), 2);
    const QString& wave = seen.filters[0];
    const QString pattern = wave.mid(wave.lastIndexOf('(') + 1).chopped(1);
    for (const char* name : {"ring.wav", "RING.WAV", "Ring.Wav"}) {
        EXPECT_TRUE(
            QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch())
            << pattern.toStdString() << " " << name;
    }

    test::WhenModal<QFileDialog>(owner, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompts.ChooseOpenFile(request), std::nullopt);
}

}  // namespace
}  // namespace varnolt
