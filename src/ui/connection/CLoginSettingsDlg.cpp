#include "CLoginSettingsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace varnolt {

namespace {

// A number field whose text cannot be typed into; its arrows and arrow keys
// still step it.
class StepOnlySpinBox final : public QSpinBox {
public:
    explicit StepOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

QLineEdit* TextEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

}  // namespace

CLoginSettingsDlg::CLoginSettingsDlg(const LoginSettings& initial, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_settings(initial) {
    setObjectName("CLoginSettingsDlg");
    setWindowTitle(tr("Edit login settings"));

    m_user = TextEdit(this, "userEdit");
    m_user->setText(QString::fromStdString(initial.userName));
    m_password = TextEdit(this, "passwordEdit");
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setText(QString::fromStdString(initial.password));
    m_redial = new StepOnlySpinBox(this);
    m_redial->setObjectName("redialSpin");
    m_redial->setAlignment(Qt::AlignRight);
    // Plain digits whatever the locale: no group separators, no other numerals.
    m_redial->setLocale(QLocale::c());
    m_redial->setGroupSeparatorShown(false);
    m_redial->setRange(kMinRedialDelay, kMaxRedialDelay);
    m_redial->setValue(initial.redialDelay);  // a stored value outside the range shows clamped

    auto* fields = new QFormLayout;
    auto addRow = [this, fields](const QString& text, const char* name, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setBuddy(field);
        fields->addRow(label, field);
    };
    addRow(tr("Username:"), "userLabel", m_user);
    addRow(tr("Password:"), "passwordLabel", m_password);
    addRow(tr("Redial after, in secs:"), "redialLabel", m_redial);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &CLoginSettingsDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CLoginSettingsDlg::OnOk() {
    const LoginSettings entered{m_user->text().toStdString(), m_password->text().toStdString(),
                                ReadRedialDelay(m_redial->text().toStdString())};
    if (AcceptLoginSettings(entered, m_prompts)) {
        m_settings = entered;
        accept();
    }
}

}  // namespace varnolt
