#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace varnolt {

// Renders an SVG resource into a square pixmap on a transparent background.
QPixmap RenderSvg(const QString& resource, int size);
// A 16 by 16 icon of an SVG resource, with a 32 by 32 picture for screens with
// twice the pixels.
QIcon SvgIcon(const QString& resource);

}  // namespace varnolt
