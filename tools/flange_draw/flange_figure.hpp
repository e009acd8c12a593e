// The section drawing of the weld-neck flange shown beside the input fields:
// the cut material, bore and bolt holes, centre lines, the ten dimensions with
// their letters, and the title.
#pragma once

#include <QImage>

namespace flange::draw {

inline constexpr int kFigureWidth = 376;
inline constexpr int kFigureHeight = 421;

// The drawing at 1x (376 x 421) or 2x (752 x 842) from one geometry: at 2x the
// areas cover the same pixels, lines are hairlines one device pixel wide and
// letters and slopes are drawn with the finer pixels. 24-bit RGB.
QImage DrawFlangeFigure(int scale);

}  // namespace flange::draw
