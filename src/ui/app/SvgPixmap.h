#pragma once

#include <QPixmap>
#include <QString>

namespace varnolt {

// Renders an SVG resource into a square pixmap on a transparent background.
QPixmap RenderSvg(const QString& resource, int size);

}  // namespace varnolt
