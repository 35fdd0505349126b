#include "QtPrompts.h"
#include "CoreText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace varnolt {

namespace {

// File names here are case-sensitive, but the program's patterns ("*.EXE")
// are meant for either case: each letter matches both.
QString EitherCase(const QString& pattern) {
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toUpper() != c.toLower()) {
            out += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

// "Text (patterns)": the chooser hides the part in parentheses and shows the
// program's own text word for word.
QString NameFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern :
         QString::fromStdString(filter.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        patterns << EitherCase(pattern.trimmed());
    }
    return CoreText(filter.description) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
           QLatin1Char(')');
}

std::optional<std::string> ChooseFile(const FileRequest& request, QFileDialog::AcceptMode mode) {
    const bool open = mode == QFileDialog::AcceptOpen;
    QFileDialog dialog(QApplication::activeWindow(), CoreText(request.title));
    dialog.setObjectName(open ? "openFileDialog" : "saveFileDialog");
    dialog.setAcceptMode(mode);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << NameFilter(filter);
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // A proposed pattern is already the shown type; only a real name is filled
    // in, so Save with no name typed cannot create a file called "*.LOG".
    const QString proposed = QString::fromStdString(request.proposedName);
    if (!proposed.contains(QLatin1Char('*')) && !proposed.contains(QLatin1Char('?'))) {
        dialog.selectFile(proposed);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

PromptAnswer QtPrompts::MessageBox(const std::string& text, const std::string& title,
                                   PromptIcon icon, PromptButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    // Texts carry names the user typed: never let Qt read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(CoreText(text));
    box.setWindowTitle(CoreText(title));
    switch (icon) {
        case PromptIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case PromptIcon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case PromptIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case PromptIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case PromptIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    switch (buttons) {
        case PromptButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case PromptButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case PromptButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case PromptButtons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            break;
        case PromptButtons::HangUpOrKeepConnected:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)
                ->setText(QCoreApplication::translate("QtPrompts", "Hang up and quit"));
            box.button(QMessageBox::No)
                ->setText(QCoreApplication::translate("QtPrompts", "Keep connected"));
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Save:
            return PromptAnswer::Save;
        case QMessageBox::Discard:
            return PromptAnswer::Discard;
        default:
            return PromptAnswer::Ok;
    }
}

std::optional<std::string> QtPrompts::ChooseOpenFile(const FileRequest& request) {
    return ChooseFile(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPrompts::ChooseSaveFile(const FileRequest& request) {
    // Saving asks before it replaces a file: Qt's default, kept.
    return ChooseFile(request, QFileDialog::AcceptSave);
}

}  // namespace varnolt
