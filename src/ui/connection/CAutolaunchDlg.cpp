#include "CAutolaunchDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogParts.h"

namespace varnolt {

CAutolaunchDlg::CAutolaunchDlg(const AutolaunchApplication& initial, Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_application(initial) {
    setObjectName("CAutolaunchDlg");
    setWindowTitle(tr("Autolaunch application"));

    auto* choose = new QPushButton(tr("&Application..."), this);
    choose->setObjectName("applicationButton");
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &CAutolaunchDlg::OnChooseFile);
    m_path = FreeTextEdit(this, "pathEdit", QString::fromStdString(initial.path));
    // The button beside it is all the caption it has.
    m_path->setAccessibleName(tr("Application"));

    auto* descriptionLabel = new QLabel(tr("Description:"), this);
    descriptionLabel->setObjectName("descriptionLabel");
    m_description =
        FreeTextEdit(this, "descriptionEdit", QString::fromStdString(initial.description));
    descriptionLabel->setBuddy(m_description);

    auto* startupLabel = new QLabel(tr("Startup:"), this);
    startupLabel->setObjectName("startupLabel");
    m_startup = new QComboBox(this);
    m_startup->setObjectName("startupList");
    for (const StartupMode& mode : kStartupModes) {
        m_startup->addItem(QString::fromUtf8(mode.text.data(), static_cast<int>(mode.text.size())));
    }
    // A stored mode outside the list selects nothing.
    m_startup->setCurrentIndex(StartupModeOf(initial.startup) != nullptr ? initial.startup : -1);
    startupLabel->setBuddy(m_startup);

    auto* fields = new QGridLayout;
    fields->addWidget(choose, 0, 0);
    fields->addWidget(m_path, 0, 1);
    fields->addWidget(descriptionLabel, 1, 0);
    fields->addWidget(m_description, 1, 1);
    fields->addWidget(startupLabel, 2, 0);
    fields->addWidget(m_startup, 2, 1);
    fields->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 40);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(*this, [this] { OnOk(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAutolaunchDlg::OnChooseFile() {
    const std::optional<std::string> chosen = m_prompts.ChooseOpenFile(AutolaunchFileRequest());
    if (chosen) {
        m_path->setText(QString::fromStdString(*chosen));
        m_description->setText(QString::fromStdString(DescriptionFromPath(*chosen)));
    }
}

void CAutolaunchDlg::OnOk() {
    // With nothing selected the mode stays what it was.
    const int index = m_startup->currentIndex();
    const AutolaunchApplication entered{m_path->text().toStdString(),
                                        m_description->text().toStdString(),
                                        index >= 0 ? index : m_application.startup};
    if (AcceptAutolaunchApplication(entered, m_prompts)) {
        m_application = entered;
        accept();
    }
}

}  // namespace varnolt
