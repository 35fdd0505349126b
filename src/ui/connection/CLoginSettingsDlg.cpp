#include "CLoginSettingsDlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/DialogParts.h"

namespace varnolt {

namespace {

// A number field whose text cannot be typed into; its arrows and arrow keys
// still step it.
class StepOnlySpinBox final : public QSpinBox {
public:
    explicit StepOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

}  // namespace

CLoginSettingsDlg::CLoginSettingsDlg(const LoginSettings& initial, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_settings(initial) {
    setObjectName("CLoginSettingsDlg");
    setWindowTitle(tr("Edit login settings"));

    m_user = FreeTextEdit(this, "userEdit", QString::fromStdString(initial.userName));
    m_password = FreeTextEdit(this, "passwordEdit", QString::fromStdString(initial.password));
    m_password->setEchoMode(QLineEdit::Password);
    m_redial = new StepOnlySpinBox(this);
    m_redial->setObjectName("redialSpin");
    m_redial->setAlignment(Qt::AlignRight);
    // Plain digits whatever the locale: no group separators, no other numerals.
    m_redial->setLocale(QLocale::c());
    m_redial->setGroupSeparatorShown(false);
    m_redial->setRange(kMinRedialDelay, kMaxRedialDelay);
    m_redial->setValue(initial.redialDelay);  // a stored value outside the range shows clamped

    auto* fields = new QFormLayout;
    AddLabelledRow(*fields, tr("Username:"), "userLabel", m_user);
    AddLabelledRow(*fields, tr("Password:"), "passwordLabel", m_password);
    AddLabelledRow(*fields, tr("Redial after, in secs:"), "redialLabel", m_redial);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(*this, [this] { OnOk(); }));
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
