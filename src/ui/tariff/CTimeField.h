#pragma once

#include <QAbstractSpinBox>

namespace varnolt {

// An edit field with an up-down control attached: the arrows and the arrow
// keys step a position from 0 to the maximum, wrapping at both ends, and write
// it into the field as a plain integer. Unlike a spin box the field may hold
// any text, the empty text included; a step starts from the number the text
// begins with, or else from the last position.
class CTimeField final : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CTimeField(int maximum, QWidget* parent = nullptr);

    void SetText(const QString& text);
    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_maximum;
    int m_position = 0;
};

}  // namespace varnolt
