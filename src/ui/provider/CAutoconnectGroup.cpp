#include "CAutoconnectGroup.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace varnolt {
namespace {

// An item's text as the exact bytes it was given: the shown text replaces
// bytes that are not UTF-8, and the start-up run matches the exact name.
constexpr int kExactTextRole = Qt::UserRole;

std::size_t At(AutoconnectGroupView::Choice choice) {
    return choice == AutoconnectGroupView::Choice::Phonebook ? 0 : 1;
}

}  // namespace

CAutoconnectGroup::CAutoconnectGroup(SettingsStore& store, RemoteAccess& dialer, Prompts& prompts,
                                     QWidget* parent)
    : QGroupBox(tr("Autoconnect at startup"), parent), m_logic(store, dialer, prompts, *this) {
    setObjectName("autoconnectGroup");
    m_autoconnect = new QCheckBox(tr("Enable autoconnect"), this);
    m_autoconnect->setObjectName("autoconnectCheck");
    const char* const radioNames[] = {"phonebookEntryRadio", "providerEntryRadio"};
    const char* const listNames[] = {"phonebookEntryList", "providerEntryList"};
    const QString captions[] = {tr("Phonebookentry"), tr("Providerentry")};
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_autoconnect, 0, 0, 1, 2);
    for (Choice choice : {Choice::Phonebook, Choice::Provider}) {
        const std::size_t i = At(choice);
        m_radios[i] = new QRadioButton(captions[i], this);
        m_radios[i]->setObjectName(radioNames[i]);
        m_lists[i] = new QComboBox(this);
        m_lists[i]->setObjectName(listNames[i]);
        // Screen readers on Linux name a drop-down list after the label that
        // has it as buddy; the radio button beside it cannot be one, so a
        // label that is never shown carries the radio button's caption.
        auto* spokenName = new QLabel(captions[i], this);
        spokenName->setBuddy(m_lists[i]);
        spokenName->hide();
        // A long name is cut in the closed list rather than widening the page.
        m_lists[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_lists[i]->setMinimumContentsLength(16);
        layout->addWidget(m_radios[i], static_cast<int>(i) + 1, 0);
        layout->addWidget(m_lists[i], static_cast<int>(i) + 1, 1);
        // clicked, not toggled: the set-up's checks are not clicks.
        connect(m_radios[i], &QRadioButton::clicked, this,
                [this, choice] { m_logic.OnRadioClicked(choice); });
    }
    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName("saveAutoconnectButton");
    layout->addWidget(m_save, 3, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);

    connect(m_autoconnect, &QCheckBox::clicked, this,
            [this](bool on) { m_logic.OnAutoconnectClicked(on); });
    connect(m_save, &QPushButton::clicked, this, [this] { m_logic.OnSave(); });
}

void CAutoconnectGroup::FillList(Choice list, const std::vector<std::string>& items,
                                 const std::string& select) {
    // Sorted as the user reads, without regard to case.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QString, std::string>> sorted;
    sorted.reserve(items.size());
    for (const std::string& item : items) {
        sorted.emplace_back(QString::fromStdString(item), item);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.first, b.first) < 0;
    });
    QComboBox* box = m_lists[At(list)];
    box->clear();
    const QString wanted = QString::fromStdString(select);
    int selected = -1;
    for (const auto& [shown, exact] : sorted) {
        if (selected < 0 && shown.compare(wanted, Qt::CaseInsensitive) == 0) {
            selected = box->count();
        }
        box->addItem(shown, QByteArray::fromStdString(exact));
    }
    box->setCurrentIndex(selected);
}

std::string CAutoconnectGroup::SelectedItem(Choice list) const {
    const QComboBox* box = m_lists[At(list)];
    return box->currentIndex() < 0 ? std::string()
                                   : box->currentData(kExactTextRole).toByteArray().toStdString();
}

void CAutoconnectGroup::EnableList(Choice list, bool enable) {
    m_lists[At(list)]->setEnabled(enable);
}

void CAutoconnectGroup::SetAutoconnectChecked(bool checked) {
    m_autoconnect->setChecked(checked);
}

bool CAutoconnectGroup::AutoconnectChecked() const {
    return m_autoconnect->isChecked();
}

void CAutoconnectGroup::CheckRadio(Choice choice) {
    m_radios[At(choice)]->setChecked(true);
}

bool CAutoconnectGroup::RadioChecked(Choice choice) const {
    return m_radios[At(choice)]->isChecked();
}

void CAutoconnectGroup::EnableRadios(bool enable) {
    for (QRadioButton* radio : m_radios) {
        radio->setEnabled(enable);
    }
}

}  // namespace varnolt
