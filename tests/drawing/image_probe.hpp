// Reading the drawing's pixels: its colours and the box that a letter's ink
// covers.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <algorithm>
#include <functional>
#include <optional>

#include "drawing_facts.hpp"

namespace flange::drawing_test {

// An image from the program's resources (or a file), as 32-bit RGB or ARGB.
inline QImage LoadImage(const QString& path) {
  const QImage image(path);
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

// Red or a lighter tint of it mixed with white: (255, g, g).
inline bool IsRedInk(QRgb c) {
  return qRed(c) == 255 && qGreen(c) == qBlue(c) && qGreen(c) < 255;
}
// Blue or a lighter tint of it: (b, b, 255) with b below 255.
inline bool IsBlueInk(QRgb c) {
  return qBlue(c) == 255 && qRed(c) == qGreen(c) && qRed(c) < 255;
}

// The smallest rectangle holding every pixel of `window` for which `isInk`
// holds, if there is one.
inline std::optional<QRect> InkBox(const QImage& image, const QRect& window,
                                   const std::function<bool(QRgb)>& isInk) {
  QRect box;
  for (int y = window.top(); y <= window.bottom(); ++y) {
    for (int x = window.left(); x <= window.right(); ++x)
      box |= isInk(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
  }
  return box.isNull() ? std::nullopt : std::optional(box);
}

// The rectangle spanned by two corner pixels given in any order.
inline QRect Corners(int x0, int y0, int x1, int y1) {
  return QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
               QPoint(std::max(x0, x1), std::max(y0, y1)));
}

}  // namespace flange::drawing_test
