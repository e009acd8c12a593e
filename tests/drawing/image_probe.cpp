#include "image_probe.hpp"

#include <QColor>

#include <algorithm>

namespace flange::drawing_test {

QRect LetterWindow(const LetterPlace& place) {
  QRect window =
      place.box.adjusted(-kLetterTolerance, -kLetterTolerance, kLetterTolerance, kLetterTolerance);
  if (place.centred) {
    window.setLeft(172);
    window.setRight(197);
  }
  // f and C stand just left of their shared line at x 19.
  if (window.right() >= kLinefC.at && window.left() < kLinefC.at) {
    window.setRight(kLinefC.at - 1);
  }
  return window;
}

double HubSurface(double row) {
  return 100.0 + 12.0 * (row - 242) / 41.0;
}

QImage LoadImage(const QString& path) {
  const QImage image(path);
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

bool IsRedInk(QRgb colour) {
  return qRed(colour) == 255 && qGreen(colour) == qBlue(colour) && qGreen(colour) < 255;
}

bool IsBlueInk(QRgb colour) {
  return qBlue(colour) == 255 && qRed(colour) == qGreen(colour) && qRed(colour) < 255;
}

bool IsStrongRedInk(QRgb colour) {
  return IsRedInk(colour) && qGreen(colour) <= 127;
}

std::vector<PixelRun> LightBlueRuns(const QImage& image, int row, int from, int to) {
  std::vector<PixelRun> runs;
  for (int x = from; x <= to; ++x) {
    if (image.pixel(x, row) != kLightBlue) {
      continue;
    }
    if (!runs.empty() && runs.back().to == x - 1) {
      runs.back().to = x;
    } else {
      runs.push_back({x, x});
    }
  }
  return runs;
}

std::optional<QRect> InkBox(const QImage& image, const QRect& window,
                            const std::function<bool(QRgb)>& is_ink) {
  std::optional<QRect> box;
  for (int y = window.top(); y <= window.bottom(); ++y) {
    for (int x = window.left(); x <= window.right(); ++x) {
      if (is_ink(image.pixel(x, y))) {
        box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

int CountInRow(const QImage& image, const QRect& box, int row,
               const std::function<bool(QRgb)>& is_ink) {
  int count = 0;
  for (int x = box.left(); x <= box.right(); ++x) {
    count += is_ink(image.pixel(x, row)) ? 1 : 0;
  }
  return count;
}

int CountInColumn(const QImage& image, const QRect& box, int column,
                  const std::function<bool(QRgb)>& is_ink) {
  int count = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    count += is_ink(image.pixel(column, y)) ? 1 : 0;
  }
  return count;
}

QString Describe(const QImage& image, int x, int y) {
  return QStringLiteral("(%1, %2) = %3")
      .arg(x)
      .arg(y)
      .arg(QColor(image.pixel(x, y)).name(QColor::HexRgb));
}

void MarkAllowance::Allow(const QRect& pixels) {
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    for (int x = pixels.left(); x <= pixels.right(); ++x) {
      allowed_[static_cast<size_t>(y * kWidth + x)] = true;
    }
  }
}

QRect Corners(int x0, int y0, int x1, int y1) {
  return QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
               QPoint(std::max(x0, x1), std::max(y0, y1)));
}

MarkAllowance::MarkAllowance() : allowed_(static_cast<size_t>(kWidth * kHeight), false) {
  auto row = [](int y, int x0, int x1) { return QRect(QPoint(x0, y), QPoint(x1, y)); };
  auto column = [](int x, int y0, int y1) { return QRect(QPoint(x, y0), QPoint(x, y1)); };

  Allow(QRect(QPoint(39, 185), QPoint(329, 298)));  // the body's rows
  for (const Line& l : kHorizontalDimensionLines) {
    Allow(row(l.at, l.from, l.to));
  }
  for (const Line& l : kVerticalDimensionLines) {
    Allow(column(l.at, l.from, l.to));
  }
  for (const Extension& e : kVerticalExtensions) {
    Allow(column(e.line.at, e.line.from, e.line.to));
  }
  for (const Extension& e : kHorizontalExtensions) {
    Allow(row(e.line.at, e.line.from, e.line.to));
  }
  for (const Line& l : kCentreLines) {
    Allow(column(l.at, l.from, l.to));
  }
  // An arrowhead lies within three pixels inside its extension line and one
  // pixel to either side of its dimension line.
  for (const Arrow& a : kHorizontalArrows) {
    Allow(Corners(a.extension, a.dimension.at - 1, a.extension + 3 * a.side, a.dimension.at + 1));
  }
  for (const Arrow& a : kVerticalArrows) {
    Allow(Corners(a.dimension.at - 1, a.extension, a.dimension.at + 1, a.extension + 3 * a.side));
  }
  for (const LetterPlace& place : kLetters) {
    Allow(LetterWindow(place));
  }
  Allow(kTitleWindow);
}

}  // namespace flange::drawing_test
