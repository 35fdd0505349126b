#include "CTimeField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "app/NumberText.h"

namespace varnolt {

CTimeField::CTimeField(int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), m_maximum(maximum) {
    setWrapping(true);
}

void CTimeField::SetText(const QString& text) {
    lineEdit()->setText(text);
}

void CTimeField::stepBy(int steps) {
    int typed = 0;
    if (ScanLeadingInt(text().toStdString(), typed) && typed >= 0 && typed <= m_maximum) {
        m_position = typed;
    }
    const long long span = static_cast<long long>(m_maximum) + 1;
    long long next = (m_position + static_cast<long long>(steps)) % span;
    m_position = static_cast<int>(next < 0 ? next + span : next);
    SetText(QString::number(m_position));
    lineEdit()->selectAll();
}

QSize CTimeField::sizeHint() const {
    // Room for three digits ("-05" of a hand-edited store), as a spin box
    // sizes itself for its longest value.
    ensurePolished();
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4,
                     lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QAbstractSpinBox::StepEnabled CTimeField::stepEnabled() const {
    // Wrapping: both ways are always open.
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

}  // namespace varnolt
