#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "qt/QtPrompts.h"

namespace varnolt {
namespace {

TEST(QtPrompts, NamesAreShownAsPlainText) {
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                format = box->textFormat();
                shown = box->text();
                box->button(QMessageBox::No)->click();
            }
        }
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.MessageBox("Delete <b>Bold</b>?", "Delete...", PromptIcon::Question,
                                 PromptButtons::YesNo),
              PromptAnswer::No);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, "Delete <b>Bold</b>?");
}

}  // namespace
}  // namespace varnolt
