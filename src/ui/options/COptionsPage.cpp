#include "COptionsPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogParts.h"
#include "provider/CAutoconnectGroup.h"

namespace varnolt {
namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

COptionsPage::COptionsPage(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                           QWidget* parent)
    : CSheetPage(parent),
      m_store(store),
      m_dialer(dialer),
      m_prompts(prompts),
      m_logic(store, prompts, *this) {
    setObjectName("COptionsPage");
}

COptionsPage::~COptionsPage() = default;

void COptionsPage::OnInitPage() {
    auto* soundGroup = new QGroupBox(tr("Sound"), this);
    soundGroup->setObjectName("soundGroup");
    m_sound = MakeCheckBox(soundGroup, "soundCheck", tr("Play sound after successfull connect"));
    auto* pathLabel = new QLabel(tr("Sound:"), soundGroup);
    // No length limit: a long stored path is shown and stored back whole.
    m_soundPath = FreeTextEdit(soundGroup, "soundPathEdit");
    pathLabel->setBuddy(m_soundPath);
    m_browse = new QPushButton(tr("..."), soundGroup);
    m_browse->setObjectName("browseSoundButton");
    // As narrow as a browse button usually is, not as wide as a command button.
    m_browse->setFixedWidth(m_browse->fontMetrics().horizontalAdvance(QStringLiteral("......")) +
                            m_browse->fontMetrics().height());
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_soundPath, 1);
    pathRow->addWidget(m_browse);
    auto* soundLayout = new QVBoxLayout(soundGroup);
    soundLayout->addWidget(m_sound);
    soundLayout->addLayout(pathRow);

    auto* generalGroup = new QGroupBox(tr("General"), this);
    generalGroup->setObjectName("generalGroup");
    m_closeAfterDisconnect = MakeCheckBox(generalGroup, "closeAfterDisconnectCheck",
                                          tr("Close Varnolt after disconnect"));
    m_fileLogging =
        MakeCheckBox(generalGroup, "fileLoggingCheck", tr("Enable costmanagment and file-logging"));
    m_showCallWindow =
        MakeCheckBox(generalGroup, "showCallWindowCheck", tr("Show call meter window"));
    auto* generalLayout = new QVBoxLayout(generalGroup);
    generalLayout->addWidget(m_closeAfterDisconnect);
    generalLayout->addWidget(m_fileLogging);
    generalLayout->addWidget(m_showCallWindow);

    auto* budgetGroup = new QGroupBox(tr("Budget"), this);
    budgetGroup->setObjectName("budgetGroup");
    auto* budgetLayout = new QFormLayout(budgetGroup);
    const struct {
        BudgetKind kind;
        const char* name;
        QString label;
    } limits[] = {{BudgetKind::Call, "callLimitEdit", tr("Warn when a call costs more than")},
                  {BudgetKind::Month, "monthLimitEdit", tr("Warn when this month's costs exceed")}};
    for (const auto& limit : limits) {
        QLineEdit* edit = FreeTextEdit(budgetGroup, limit.name);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")));
        auto* label = new QLabel(limit.label, budgetGroup);
        label->setBuddy(edit);
        budgetLayout->addRow(label, edit);
        m_limits[static_cast<std::size_t>(limit.kind)] = edit;
        const BudgetKind kind = limit.kind;
        connect(edit, &QLineEdit::editingFinished, this,
                [this, kind] { m_logic.OnLimitEdited(kind); });
    }
    m_hangUpAtCallLimit = MakeCheckBox(budgetGroup, "hangUpAtCallLimitCheck",
                                       tr("Hang up when the call limit is reached"));
    budgetLayout->addRow(m_hangUpAtCallLimit);

    m_autoconnect = new CAutoconnectGroup(m_store, m_dialer, m_prompts, this);

    // The groups keep their natural height at the top.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(soundGroup);
    layout->addWidget(generalGroup);
    layout->addWidget(budgetGroup);
    layout->addWidget(m_autoconnect);
    layout->addStretch(1);

    // clicked, not toggled: only the user's clicks write, never the set-up.
    connect(m_sound, &QCheckBox::clicked, this, [this](bool on) { m_logic.OnSoundClicked(on); });
    connect(m_browse, &QPushButton::clicked, this, [this] { m_logic.OnBrowseSound(); });
    connect(m_closeAfterDisconnect, &QCheckBox::clicked, this,
            [this](bool on) { m_logic.OnCloseAfterDisconnectClicked(on); });
    connect(m_fileLogging, &QCheckBox::clicked, this,
            [this](bool on) { m_logic.OnFileLoggingClicked(on); });
    connect(m_showCallWindow, &QCheckBox::clicked, this,
            [this](bool on) { m_logic.OnShowCallWindowClicked(on); });
    connect(m_hangUpAtCallLimit, &QCheckBox::clicked, this,
            [this](bool on) { m_logic.OnHangUpAtCallLimitClicked(on); });

    m_logic.SetUp();
    m_autoconnect->SetUp();
}

void COptionsPage::OnReloadAutoconnect() {
    if (m_autoconnect != nullptr) {
        m_autoconnect->Refill();
    }
}

void COptionsPage::SetSoundChecked(bool checked) {
    m_sound->setChecked(checked);
}

void COptionsPage::EnableSoundPath(bool enable) {
    m_soundPath->setEnabled(enable);
    m_browse->setEnabled(enable);
}

std::string COptionsPage::SoundPath() const {
    return m_soundPath->text().toStdString();
}

void COptionsPage::SetSoundPath(const std::string& path) {
    m_soundPath->setText(QString::fromStdString(path));
}

void COptionsPage::SetCloseAfterDisconnectChecked(bool checked) {
    m_closeAfterDisconnect->setChecked(checked);
}

void COptionsPage::SetFileLoggingChecked(bool checked) {
    m_fileLogging->setChecked(checked);
}

void COptionsPage::SetShowCallWindowChecked(bool checked) {
    m_showCallWindow->setChecked(checked);
}

std::string COptionsPage::LimitText(BudgetKind kind) const {
    return m_limits[static_cast<std::size_t>(kind)]->text().toStdString();
}

void COptionsPage::SetLimitText(BudgetKind kind, const std::string& text) {
    m_limits[static_cast<std::size_t>(kind)]->setText(QString::fromStdString(text));
}

void COptionsPage::SetHangUpAtCallLimitChecked(bool checked) {
    m_hangUpAtCallLimit->setChecked(checked);
}

}  // namespace varnolt
