#pragma once
// The picture of the properties: the section as the solid it was computed on (welded seams
// merged, every separate part in a tint of its own, closed cells left open), the central and
// principal axes, the plastic neutral axes, the centroid, the shear centre and the kern; the
// finite-element mesh on request. Drawn to any size, as a bitmap or as SVG.
//
// A QGuiApplication must exist for the bitmap (its labels need fonts).

#include "properties_view/properties_run.h"

#include <QByteArray>
#include <QImage>

namespace karo::properties {

struct PictureOptions {
    int width = 480, height = 480; // pixels
    bool mesh = false;
};

QImage DrawPropertiesPicture(const PropertiesSnapshot& s, const PictureOptions& options);
// The same picture as an SVG document (UTF-8).
QByteArray PropertiesPictureSvg(const PropertiesSnapshot& s, const PictureOptions& options);

} // namespace karo::properties
