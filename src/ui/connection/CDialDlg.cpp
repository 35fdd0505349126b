#include "CDialDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

#include "app/SvgPixmap.h"

namespace varnolt {

CDialDlg::CDialDlg(const std::string& entryName, const DialCredentials& initial, Prompts& prompts,
                   QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_credentials(initial) {
    setObjectName("CDialDlg");
    setWindowTitle(QString::fromStdString(DialDialogTitle(entryName)));

    auto* icon = new QLabel(this);
    icon->setObjectName("dialIcon");
    icon->setPixmap(RenderSvg(QStringLiteral(":/icons/varnolt.svg"), 32));
    icon->setAlignment(Qt::AlignTop);

    m_user = new QLineEdit(QString::fromStdString(initial.userName), this);
    m_user->setObjectName("userEdit");
    m_user->setMaxLength(std::numeric_limits<int>::max());
    m_password = new QLineEdit(QString::fromStdString(initial.password), this);
    m_password->setObjectName("passwordEdit");
    m_password->setMaxLength(std::numeric_limits<int>::max());
    m_password->setEchoMode(QLineEdit::Password);
    m_remember = new QCheckBox(tr("&Remember password"), this);
    m_remember->setObjectName("rememberCheck");
    m_remember->setChecked(initial.rememberPassword);

    auto* fields = new QFormLayout;
    auto addRow = [this, fields](const QString& text, const char* name, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setBuddy(field);
        fields->addRow(label, field);
    };
    addRow(tr("User:"), "userLabel", m_user);
    addRow(tr("Password:"), "passwordLabel", m_password);
    fields->addRow(QString(), m_remember);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(fields, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
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
