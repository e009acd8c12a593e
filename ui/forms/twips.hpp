// Window geometry as the layout was drawn: in twips (1/1440 inch), each
// control measured from the inside top-left corner of its container. The
// window works in logical pixels at 96 dpi, where 15 twips make one pixel.
#pragma once

#include <QRect>

namespace flange::ui::forms {

inline constexpr int kTwipsPerPixel = 15;

// Not every size of the layout is a whole number of pixels (828 twips are
// 55.2 px), so each value is rounded to the nearest pixel on its own.
constexpr int TwipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

constexpr QRect ToPixels(const TwipRect& r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
               TwipsToPixels(r.height));
}

// Font sizes are given in points; at 96 dpi a point is 4/3 of a pixel. The
// sizes are set in pixels so that text keeps its proportion to the fixed
// control sizes whatever the desktop's font dpi is.
constexpr int PointsToPixels(double points) {
  return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

}  // namespace flange::ui::forms
