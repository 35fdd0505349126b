#pragma once

#include <QProxyStyle>
#include <memory>

namespace varnolt {

// The desktop's style, except that tree branches are drawn with connecting
// lines and plus/minus buttons, which most Linux styles leave out.
class TreeLinesStyle final : public QProxyStyle {
    Q_OBJECT
public:
    TreeLinesStyle();
    ~TreeLinesStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // A style that draws the lines; none where the platform lacks it.
    std::unique_ptr<QStyle> m_lines;
};

}  // namespace varnolt
