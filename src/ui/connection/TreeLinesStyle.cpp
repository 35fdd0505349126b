#include "TreeLinesStyle.h"

#include <QStyleFactory>

namespace varnolt {

TreeLinesStyle::TreeLinesStyle() : m_lines(QStyleFactory::create("Windows")) {}

TreeLinesStyle::~TreeLinesStyle() = default;

void TreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorBranch && m_lines != nullptr) {
        m_lines->drawPrimitive(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace varnolt
