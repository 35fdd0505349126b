#include "DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace varnolt {

QLineEdit* FreeTextEdit(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

void AddLabelledRow(QFormLayout& form, const QString& text, const char* labelName, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setObjectName(labelName);
    label->setBuddy(field);
    form.addRow(label, field);
}

QDialogButtonBox* OkCancelButtons(QDialog& dialog, std::function<void()> onOk) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName("buttons");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace varnolt
