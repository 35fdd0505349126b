#include "CPublicHolidaysDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/DialogParts.h"

namespace varnolt {

CPublicHolidaysDlg::CPublicHolidaysDlg(int year, GermanState state, QWidget* parent)
    : QDialog(parent) {
    setObjectName("CPublicHolidaysDlg");
    setWindowTitle(tr("Insert public holidays"));
    setModal(true);

    auto* yearLabel = new QLabel(tr("&Year:"), this);
    yearLabel->setObjectName("yearLabel");
    m_year = new QSpinBox(this);
    m_year->setObjectName("yearSpin");
    // The Gregorian calendar, which the Easter date follows, from its first full year.
    m_year->setRange(1583, 9999);
    m_year->setValue(year);
    yearLabel->setBuddy(m_year);

    auto* stateLabel = new QLabel(tr("&State:"), this);
    stateLabel->setObjectName("stateLabel");
    m_state = new QComboBox(this);
    m_state->setObjectName("stateCombo");
    m_state->addItem(tr("Nationwide"));
    // Proper names, the same in every language.
    for (const char* name :
         {"Baden-Württemberg", "Bayern", "Berlin", "Brandenburg", "Bremen", "Hamburg", "Hessen",
          "Mecklenburg-Vorpommern", "Niedersachsen", "Nordrhein-Westfalen", "Rheinland-Pfalz",
          "Saarland", "Sachsen", "Sachsen-Anhalt", "Schleswig-Holstein", "Thüringen"}) {
        m_state->addItem(QString::fromUtf8(name));
    }
    m_state->setCurrentIndex(static_cast<int>(state));
    stateLabel->setBuddy(m_state);

    auto* fields = new QGridLayout;
    fields->addWidget(yearLabel, 0, 0);
    fields->addWidget(m_year, 0, 1);
    fields->addWidget(stateLabel, 1, 0);
    fields->addWidget(m_state, 1, 1);

    QDialogButtonBox* buttons = OkCancelButtons(*this, [this] { accept(); });
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CPublicHolidaysDlg::Year() const {
    return m_year->value();
}

GermanState CPublicHolidaysDlg::State() const {
    const int index = m_state->currentIndex();
    return index > 0 && index < kGermanStateCount ? static_cast<GermanState>(index)
                                                  : GermanState::Nationwide;
}

}  // namespace varnolt
