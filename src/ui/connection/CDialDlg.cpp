#include "CDialDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/DialogParts.h"
#include "app/SvgPixmap.h"
#include "qt/CoreText.h"

namespace varnolt {

CDialDlg::CDialDlg(const std::string& entryName, const DialCredentials& initial, Prompts& prompts,
                   QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_credentials(initial) {
    setObjectName("CDialDlg");
    setWindowTitle(CoreText(DialDialogTitle(entryName)));

    auto* icon = new QLabel(this);
    icon->setObjectName("dialIcon");
    icon->setPixmap(RenderSvg(QStringLiteral(":/icons/varnolt.svg"), 32));
    icon->setAlignment(Qt::AlignTop);

    m_user = FreeTextEdit(this, "userEdit", QString::fromStdString(initial.userName));
    m_password = FreeTextEdit(this, "passwordEdit", QString::fromStdString(initial.password));
    m_password->setEchoMode(QLineEdit::Password);
    m_remember = new QCheckBox(tr("&Remember password"), this);
    m_remember->setObjectName("rememberCheck");
    m_remember->setChecked(initial.rememberPassword);

    auto* fields = new QFormLayout;
    AddLabelledRow(*fields, tr("User:"), "userLabel", m_user);
    AddLabelledRow(*fields, tr("Password:"), "passwordLabel", m_password);
    fields->addRow(QString(), m_remember);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(fields, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(OkCancelButtons(*this, [this] { OnOk(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDialDlg::OnOk() {
    const DialCredentials entered{m_user->text().toStdString(), m_password->text().toStdString(),
                                  m_remember->isChecked()};
    if (AcceptDialCredentials(entered, m_prompts)) {
        m_credentials = entered;
        accept();
    }
}

}  // namespace varnolt
