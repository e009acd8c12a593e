// The section drawing of the weld-neck flange shown beside the input fields:
// the cut material, bore and bolt holes, centre lines, the ten dimensions with
// their letters, and the title.
#pragma once

#include <QImage>
#include <QStringList>

namespace flange::draw {

inline constexpr int kFigureWidth = 376;
inline constexpr int kFigureHeight = 421;

// The drawing at 1x (376 x 421) or 2x (752 x 842) from one geometry: at 2x the
// areas cover the same pixels, lines are hairlines one device pixel wide and
// letters and slopes are drawn with the finer pixels. 24-bit RGB.
// Throws std::runtime_error if a font it is set in is missing.
QImage DrawFlangeFigure(int scale);

// The font families the drawing needs that are not installed, each with the
// Debian package that brings it; empty when it can be drawn.
QStringList MissingFigureFonts();

}  // namespace flange::draw
