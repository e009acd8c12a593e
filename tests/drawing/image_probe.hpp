// Reading the drawing's pixels: its colours, the runs of cut material along a
// row, and the box that a letter's ink covers.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "drawing_facts.hpp"

namespace flange::drawing_test {

// An image from the program's resources (or a file), as 32-bit RGB or ARGB.
QImage LoadImage(const QString& path);

// Red or a lighter tint of it mixed with white: (255, g, g).
bool IsRedInk(QRgb colour);
// Blue or a lighter tint of it: (b, b, 255) with b below 255.
bool IsBlueInk(QRgb colour);
// Ink that covers at least half of its pixel: the body of a glyph, not its
// smoothed edge.
bool IsStrongRedInk(QRgb colour);

// The runs of light blue along a row of a 1x image, between the given columns.
std::vector<PixelRun> LightBlueRuns(const QImage& image, int row, int from = 0,
                                    int to = kWidth - 1);

// The smallest rectangle holding every pixel of `window` for which `is_ink`
// holds, if there is one.
std::optional<QRect> InkBox(const QImage& image, const QRect& window,
                            const std::function<bool(QRgb)>& is_ink);

// How many pixels along a row (or a column) of `box` satisfy `is_ink`.
int CountInRow(const QImage& image, const QRect& box, int row,
               const std::function<bool(QRgb)>& is_ink);
int CountInColumn(const QImage& image, const QRect& box, int column,
                  const std::function<bool(QRgb)>& is_ink);

// The rectangle spanned by two corner pixels given in any order.
QRect Corners(int x0, int y0, int x1, int y1);

// "(x, y) = #rrggbb", for failure messages.
QString Describe(const QImage& image, int x, int y);

// The pixels of the 1x drawing where a mark may be: the cut material, every
// dimension and extension line, centre line and arrowhead, the letters and
// the title. Everything else must stay white.
class MarkAllowance {
 public:
  MarkAllowance();
  bool Allows(int x, int y) const { return allowed_[static_cast<size_t>(y * kWidth + x)]; }

 private:
  void Allow(const QRect& pixels);
  std::vector<bool> allowed_;
};

}  // namespace flange::drawing_test
