#include "app/SvgPixmap.h"

#include <QPainter>
#include <QSvgRenderer>

namespace varnolt {

QPixmap RenderSvg(const QString& resource, int size) {
    QSvgRenderer renderer(resource);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon SvgIcon(const QString& resource) {
    QIcon icon;
    icon.addPixmap(RenderSvg(resource, 16));
    icon.addPixmap(RenderSvg(resource, 32));
    return icon;
}

}  // namespace varnolt
