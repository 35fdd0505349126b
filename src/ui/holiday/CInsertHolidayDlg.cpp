#include "CInsertHolidayDlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <limits>

namespace varnolt {
namespace {

QLineEdit* DateEdit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    // Wide enough for its digits and no wider, like the three boxes of a date.
    const int digits = edit->fontMetrics().horizontalAdvance(QString(maxLength + 1, '0'));
    edit->setFixedWidth(digits + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
    return edit;
}

}  // namespace

CInsertHolidayDlg::CInsertHolidayDlg(const CHolidayEntry& initial, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), m_form(initial), m_prompts(prompts) {
    setObjectName("CInsertHolidayDlg");
    setWindowTitle(tr("Insert holiday"));

    auto* descriptionLabel = new QLabel(tr("Description:"), this);
    descriptionLabel->setObjectName("descriptionLabel");
    m_description = new QLineEdit(this);
    m_description->setObjectName("descriptionEdit");
    // A description has no length limit (a line edit's default stops at 32767).
    m_description->setMaxLength(std::numeric_limits<int>::max());
    descriptionLabel->setBuddy(m_description);
    auto* dateLabel = new QLabel(tr("Date (DD.MM.YYYY):"), this);
    dateLabel->setObjectName("dateLabel");
    m_day = DateEdit(this, "dayEdit", 2);
    m_month = DateEdit(this, "monthEdit", 2);
    m_year = DateEdit(this, "yearEdit", 4);
    dateLabel->setBuddy(m_day);
    m_month->setAccessibleName(tr("Month"));
    m_year->setAccessibleName(tr("Year"));

    auto* date = new QHBoxLayout;
    date->addWidget(m_day);
    date->addWidget(m_month);
    date->addWidget(m_year);
    date->addStretch(1);
    auto* fields = new QGridLayout;
    fields->addWidget(descriptionLabel, 0, 0);
    fields->addWidget(m_description, 0, 1);
    fields->addWidget(dateLabel, 1, 0);
    fields->addLayout(date, 1, 1);
    fields->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 30);

    auto* insert = new QPushButton(tr("Insert"), this);
    insert->setObjectName("insertButton");
    insert->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancelButton");
    connect(insert, &QPushButton::clicked, this, &CInsertHolidayDlg::OnInsert);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(insert);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* separator = new QFrame(this);
    separator->setObjectName("separator");
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* icon = new QLabel(this);
    icon->setObjectName("hintIcon");
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* hint =
        new QLabel(QStringLiteral("If this holiday is every year at the same date, like \n"
                                  "christmas day (always the 25.12.), type 0 for the year"),
                   this);
    hint->setObjectName("hintText");
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(icon);
    hintRow->addWidget(hint, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addSpacing(12);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addLayout(hintRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const InsertHolidayTexts texts = m_form.InitialTexts();
    m_description->setText(QString::fromStdString(texts.description));
    m_day->setText(QString::fromStdString(texts.day));
    m_month->setText(QString::fromStdString(texts.month));
    m_year->setText(QString::fromStdString(texts.year));
}

void CInsertHolidayDlg::OnInsert() {
    const InsertHolidayTexts texts{m_description->text().toStdString(), m_day->text().toStdString(),
                                   m_month->text().toStdString(), m_year->text().toStdString()};
    if (m_form.Accept(texts, m_prompts)) {
        accept();
    }
}

}  // namespace varnolt
