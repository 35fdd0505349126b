#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <functional>

class QDialog;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace varnolt {

// Pieces the program's small dialogs share.

// A line edit for free text, without a line edit's default length limit.
QLineEdit* FreeTextEdit(QWidget* parent, const char* name, const QString& text = {});

// A form row whose label has its own object name and is the field's buddy.
void AddLabelledRow(QFormLayout& form, const QString& text, const char* labelName, QWidget* field);

// "OK" and "Cancel". OK runs `onOk`, which closes the dialog once its checks
// pass; Cancel closes it at once.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, std::function<void()> onOk);

}  // namespace varnolt
