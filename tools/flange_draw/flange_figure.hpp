// The section drawing of the weld-neck flange shown beside the input fields:
// the cut material, bore and bolt holes, centre lines, the ten dimensions with
// their letters, and the title.
#pragma once

#include <QImage>
#include <QStringList>

namespace flange::draw {

// The drawing at a device scale of 1 or more, a multiple of 1/4, from one
// geometry: assets::kDrawingWidth x kDrawingHeight pixels at 1x, that size
// times s, rounded down, in device pixels at scale s. Pixel p covers device pixels floor(p * s) to
// floor((p + 1) * s) - 1, so the areas cover the same pixels at every scale;
// above 1x lines are hairlines one device pixel wide inside their pixel's
// span, and letters and slopes are drawn with the finer pixels. 24-bit RGB.
// Throws std::runtime_error if a font it is set in is missing.
QImage DrawFlangeFigure(double scale);

// The font families the drawing needs that are not installed, each with the
// Debian package that brings it; empty when it can be drawn.
QStringList MissingFigureFonts();

}  // namespace flange::draw
