#include "CStylePage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "meter/CaptionStyle.h"

namespace varnolt {
namespace {

struct StyleChoice {
    CaptionStyle style;
    const char* name;
    const char* text;
    const char* example;
};

constexpr StyleChoice kChoices[kCaptionStyleCount] = {
    {kStyleFeeAndTime, "styleFeeAndTime",
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "Display both, call-fee and time"),
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "(e.g. 11.38 $ / 00:45:23h)")},
    {kStyleFeeOnly, "styleFeeOnly",
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "Display only call-fee"),
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "(e.g. 11.38 $ / Varnolt)")},
    {kStyleTimeOnly, "styleTimeOnly", QT_TRANSLATE_NOOP("varnolt::CStylePage", "Display only time"),
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "(e.g. 00:45:23h / Varnolt)")},
    {kStyleTitleOnly, "styleTitleOnly",
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "Display only title"),
     QT_TRANSLATE_NOOP("varnolt::CStylePage", "(Varnolt / connect)")},
};

}  // namespace

CStylePage::CStylePage(SettingsStore& store, QWidget* parent) : CSheetPage(parent), m_store(store) {
    setObjectName("CStylePage");
}

void CStylePage::OnInitPage() {
    auto* group = new QGroupBox(tr("Varnolt caption"), this);
    group->setObjectName("captionGroup");
    auto* grid = new QGridLayout(group);
    m_buttons = new QButtonGroup(this);
    for (const StyleChoice& choice : kChoices) {
        auto* button = new QRadioButton(tr(choice.text), group);
        button->setObjectName(choice.name);
        auto* example = new QLabel(tr(choice.example), group);
        example->setObjectName(QString(choice.name) + "Example");
        m_buttons->addButton(button, choice.style);
        grid->addWidget(button, choice.style, 0);
        grid->addWidget(example, choice.style, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);

    if (const auto stored = ReadCaptionStyle(m_store)) {
        m_buttons->button(*stored)->setChecked(true);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_buttons->button(id)->isChecked()) {
            WriteCaptionStyle(m_store, static_cast<CaptionStyle>(id));
        }
    });
}

}  // namespace varnolt
