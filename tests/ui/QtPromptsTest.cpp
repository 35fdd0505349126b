#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <fstream>

#include "TempDir.h"
#include "WhenModal.h"
#include "WidgetLookup.h"
#include "qt/QtPrompts.h"

namespace varnolt {
namespace {

TEST(QtPromptsUi, NamesAreShownAsPlainText) {
    QWidget owner;
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    test::WhenModal<QMessageBox>(owner, [&](QMessageBox& box) {
        format = box.textFormat();
        shown = box.text();
        box.button(QMessageBox::No)->click();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.MessageBox("Delete <b>Bold</b>?", "Delete...", PromptIcon::Question,
                                 PromptButtons::YesNo),
              PromptAnswer::No);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, "Delete <b>Bold</b>?");
}

TEST(QtPromptsUi, SaveDiscardCancelAnswersWithTheButtonClicked) {
    QtPrompts prompts;
    for (auto [button, answer] : {std::pair{QMessageBox::Save, PromptAnswer::Save},
                                  {QMessageBox::Discard, PromptAnswer::Discard},
                                  {QMessageBox::Cancel, PromptAnswer::Cancel}}) {
        QWidget owner;
        test::WhenModal<QMessageBox>(owner, [b = button](QMessageBox& box) {
            if (QAbstractButton* offered = box.button(b)) {
                offered->click();
            }
        });
        EXPECT_EQ(
            prompts.MessageBox("?", "", PromptIcon::Question, PromptButtons::SaveDiscardCancel),
            answer);
    }
}

TEST(QtPromptsUi, TheOpenFileChooserShowsTheRequestAndHandsBackThePick) {
    test::TempDir dir;
    const std::string picked = (dir.path() / "ring.wav").string();
    std::ofstream(picked) << "RIFF";
    QtPrompts prompts;
    QWidget owner;
    const FileRequest request{"Select sound file ...",
                              {{"Wave files (*.WAV)", "*.WAV"}, {"All files", "*"}},
                              "*.WAV",
                              "WAV"};

    QString title, suffix;
    QStringList filters, shownTypes;
    test::WhenModal<QFileDialog>(owner, [&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        suffix = dialog.defaultSuffix();
        filters = dialog.nameFilters();
        auto* types = test::Child<QComboBox>(&dialog, "fileTypeCombo");
        for (int i = 0; types != nullptr && i < types->count(); ++i) {
            shownTypes << types->itemText(i);
        }
        dialog.selectFile(QString::fromStdString(picked));
        static_cast<QDialog&>(dialog).accept();  // as its Open button does
    });
    EXPECT_EQ(prompts.ChooseOpenFile(request), picked);
    EXPECT_EQ(title, "Select sound file ...");
    EXPECT_EQ(suffix, "WAV");
    EXPECT_EQ(shownTypes, (QStringList{"Wave files (*.WAV)", "All files"}));
    // "*.WAV" matches in either case, on a file system that tells them apart.
    ASSERT_EQ(filters.size(), 2);
    const QString pattern = filters[0].mid(filters[0].lastIndexOf('(') + 1).chopped(1);
    const auto wave = QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive);
    for (const char* name : {"ring.wav", "RING.WAV", "Ring.Wav"}) {
        EXPECT_TRUE(wave.match(name).hasMatch()) << pattern.toStdString() << " " << name;
    }

    test::WhenModal<QFileDialog>(owner, [](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompts.ChooseOpenFile(request), std::nullopt);
}

TEST(QtPromptsUi, TheSaveChooserNeverSavesUnderThePatternAndAsksBeforeReplacing) {
    test::TempDir dir;
    QtPrompts prompts;
    QWidget owner;
    QString proposed;
    bool openWithoutName = false, asks = false;
    test::WhenModal<QFileDialog>(owner, [&](QFileDialog& dialog) {
        asks = dialog.acceptMode() == QFileDialog::AcceptSave &&
               !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDirectory(QString::fromStdString(dir.path().string()));
        auto* name = test::Child<QLineEdit>(&dialog, "fileNameEdit");
        proposed = name->text();
        static_cast<QDialog&>(dialog).accept();  // as Save does, with no name typed
        openWithoutName = dialog.isVisible();
        name->setText("calls");  // a name without an extension
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(prompts.ChooseSaveFile(
                  {"Export", {{"Varnolt LOG files (*.LOG)", "*.LOG"}}, "*.LOG", "LOG"}),
              (dir.path() / "calls.LOG").string());
    EXPECT_TRUE(proposed.isEmpty() && openWithoutName && asks);
}

}  // namespace
}  // namespace varnolt
