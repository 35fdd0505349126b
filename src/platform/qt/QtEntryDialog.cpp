#include "QtEntryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace varnolt {

QtEntryDialog::QtEntryDialog(Mode mode, const PhonebookEntry& entry, EntryDialogs::Submit submit,
                             Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_submit(std::move(submit)), m_prompts(prompts) {
    setObjectName(mode == Mode::New ? "newEntryDialog" : "editEntryDialog");
    setWindowTitle(mode == Mode::New ? tr("New entry") : tr("Edit entry"));

    m_name = new QLineEdit(QString::fromStdString(entry.name));
    m_name->setObjectName("entryName");
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 36);
    m_phone = new QLineEdit(QString::fromStdString(entry.phoneNumber));
    m_phone->setObjectName("phoneNumber");
    auto* device = new QLabel(QString::fromStdString(entry.device));
    device->setObjectName("device");

    auto* entryForm = new QFormLayout;
    entryForm->addRow(tr("Entry &name:"), m_name);
    entryForm->addRow(tr("&Phone number:"), m_phone);
    entryForm->addRow(tr("Device:"), device);

    m_answer = new QComboBox;
    m_answer->setObjectName("answer");
    // In the order of LineAnswer.
    m_answer->addItems({tr("Connect"), tr("Busy"), tr("No answer"), tr("No dial tone")});
    m_answer->setCurrentIndex(static_cast<int>(entry.answer));
    m_connectSeconds = new QSpinBox;
    m_connectSeconds->setObjectName("connectSeconds");
    m_connectSeconds->setRange(0, PhonebookEntry::kMaxConnectSeconds);
    m_connectSeconds->setSuffix(tr(" s"));
    m_connectSeconds->setValue(entry.connectSeconds);
    m_dropSeconds = new QSpinBox;
    m_dropSeconds->setObjectName("dropSeconds");
    m_dropSeconds->setRange(0, PhonebookEntry::kMaxDropSeconds);
    m_dropSeconds->setSuffix(tr(" s"));
    m_dropSeconds->setSpecialValueText(tr("never"));
    m_dropSeconds->setValue(entry.dropSeconds);
    m_accountRequired = new QCheckBox(tr("Accept only this &account"));
    m_accountRequired->setObjectName("accountRequired");
    m_accountRequired->setChecked(entry.accountRequired);
    m_accountUser = new QLineEdit(QString::fromStdString(entry.accountUser));
    m_accountUser->setObjectName("accountUser");
    m_accountPassword = new QLineEdit(QString::fromStdString(entry.accountPassword));
    m_accountPassword->setObjectName("accountPassword");
    m_accountPassword->setEchoMode(QLineEdit::Password);

    auto* line = new QGroupBox(tr("Remote side"));
    line->setObjectName("remoteSide");
    auto* lineForm = new QFormLayout(line);
    lineForm->addRow(tr("A&nswer:"), m_answer);
    lineForm->addRow(tr("&Connected after:"), m_connectSeconds);
    lineForm->addRow(tr("&Drops the line after:"), m_dropSeconds);
    lineForm->addRow(m_accountRequired);
    lineForm->addRow(tr("&User name:"), m_accountUser);
    lineForm->addRow(tr("Pass&word:"), m_accountPassword);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entryForm);
    layout->addWidget(line);
    layout->addWidget(buttons);

    connect(m_answer, &QComboBox::currentIndexChanged, this, &QtEntryDialog::UpdateEnabled);
    connect(m_accountRequired, &QCheckBox::toggled, this, &QtEntryDialog::UpdateEnabled);
    UpdateEnabled();
    m_name->setFocus();
}

void QtEntryDialog::UpdateEnabled() {
    // Timing and account matter only when the remote side answers.
    const bool answers = m_answer->currentIndex() == static_cast<int>(LineAnswer::Connect);
    m_connectSeconds->setEnabled(answers);
    m_dropSeconds->setEnabled(answers);
    m_accountRequired->setEnabled(answers);
    m_accountUser->setEnabled(answers && m_accountRequired->isChecked());
    m_accountPassword->setEnabled(answers && m_accountRequired->isChecked());
}

PhonebookEntry QtEntryDialog::Entry() const {
    PhonebookEntry entry;
    entry.name = m_name->text().toStdString();
    entry.phoneNumber = m_phone->text().toStdString();
    entry.answer = static_cast<LineAnswer>(std::max(0, m_answer->currentIndex()));
    entry.connectSeconds = m_connectSeconds->value();
    entry.dropSeconds = m_dropSeconds->value();
    entry.accountRequired = m_accountRequired->isChecked();
    entry.accountUser = m_accountUser->text().toStdString();
    entry.accountPassword = m_accountPassword->text().toStdString();
    return entry;
}

void QtEntryDialog::accept() {
    const std::string message = m_submit(Entry());
    if (!message.empty()) {
        m_prompts.MessageBox(message, "Error...", PromptIcon::Stop, PromptButtons::Ok);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace varnolt
