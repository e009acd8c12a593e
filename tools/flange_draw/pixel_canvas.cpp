#include "pixel_canvas.hpp"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace flange::draw {

namespace {

// The image is padded with white to a whole number of pixels in each
// direction: a browser lays an image out at its device size divided by the
// ratio, and a size that falls between its layout units makes it stretch the
// image by a hair, doubling a row.
int WholePixels(int pixels, double scale) {
  while (pixels * scale != std::floor(pixels * scale)) {
    ++pixels;
  }
  return static_cast<int>(pixels * scale);
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height, double scale) : scale_(scale) {
  image_ = QImage(WholePixels(width, scale), WholePixels(height, scale), QImage::Format_RGB32);
  image_.fill(qRgb(255, 255, 255));
}

int PixelCanvas::DeviceStart(int pixel) const {
  return static_cast<int>(std::floor(pixel * scale_));
}

int PixelCanvas::FromHalves(int halves) const {
  const int pixel = halves >> 1;
  return (halves & 1) == 0 ? DeviceStart(pixel) : DeviceStart(pixel + 1) - 1;
}

void PixelCanvas::FillPixels(const QRect& pixels, QRgb colour) {
  FillDevice(
      QRect(QPoint(DeviceStart(pixels.left()), DeviceStart(pixels.top())),
            QPoint(DeviceStart(pixels.right() + 1) - 1, DeviceStart(pixels.bottom() + 1) - 1)),
      colour);
}

void PixelCanvas::FillDevice(const QRect& device, QRgb colour) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(device, QColor::fromRgb(colour));
}

void PixelCanvas::HorizontalHairline(int y, int x0, int x1, QRgb colour) {
  const int dy = FromHalves(y);
  const int a = FromHalves(std::min(x0, x1));
  const int b = FromHalves(std::max(x0, x1));
  FillDevice(QRect(a, dy, b - a + 1, 1), colour);
}

void PixelCanvas::VerticalHairline(int x, int y0, int y1, QRgb colour) {
  const int dx = FromHalves(x);
  const int a = FromHalves(std::min(y0, y1));
  const int b = FromHalves(std::max(y0, y1));
  FillDevice(QRect(dx, a, 1, b - a + 1), colour);
}

void PixelCanvas::VerticalHairlineBehind(int x, int y0, int y1, QRgb colour) {
  const int dx = FromHalves(x);
  for (int dy = FromHalves(std::min(y0, y1)); dy <= FromHalves(std::max(y0, y1)); ++dy) {
    if (image_.pixel(dx, dy) == qRgb(255, 255, 255)) {
      image_.setPixel(dx, dy, colour);
    }
  }
}

TextMask RenderText(const std::vector<TextRun>& runs) {
  // Generous scratch room: ascent above the baseline, descent below, and the
  // sum of the advances, with a margin so nothing is clipped.
  int ascent = 0;
  int descent = 0;
  int advance = 0;
  for (const TextRun& run : runs) {
    const QFontMetrics metrics(run.font);
    ascent = std::max(ascent, metrics.ascent() + std::abs(run.rise));
    descent = std::max(descent, metrics.descent() + std::abs(run.rise));
    advance += run.gapBefore + metrics.horizontalAdvance(run.text);
  }
  const int margin = 8;
  QImage scratch(advance + 2 * margin, ascent + descent + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  {
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    int x = margin;
    for (const TextRun& run : runs) {
      x += run.gapBefore;
      painter.setFont(run.font);
      painter.drawText(QPoint(x, margin + ascent - run.rise), run.text);
      x += QFontMetrics(run.font).horizontalAdvance(run.text);
    }
  }

  int left = scratch.width();
  int right = -1;
  int top = scratch.height();
  int bottom = -1;
  for (int y = 0; y < scratch.height(); ++y) {
    for (int x = 0; x < scratch.width(); ++x) {
      if (qAlpha(scratch.pixel(x, y)) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0) {
    throw std::runtime_error("text rendered no ink");
  }
  TextMask mask;
  mask.width = right - left + 1;
  mask.height = bottom - top + 1;
  mask.coverage.resize(static_cast<size_t>(mask.width * mask.height));
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      mask.coverage[static_cast<size_t>(y * mask.width + x)] =
          static_cast<unsigned char>(qAlpha(scratch.pixel(left + x, top + y)));
    }
  }
  return mask;
}

TextMask TurnCounterClockwise(const TextMask& mask) {
  // The glyph's top goes to the left and its right side to the top.
  TextMask turned;
  turned.width = mask.height;
  turned.height = mask.width;
  turned.coverage.resize(mask.coverage.size());
  for (int y = 0; y < turned.height; ++y) {
    for (int x = 0; x < turned.width; ++x) {
      turned.coverage[static_cast<size_t>(y * turned.width + x)] = mask.At(mask.width - 1 - y, x);
    }
  }
  return turned;
}

void PixelCanvas::StampCentred(const TextMask& mask, const QRectF& box, QRgb colour) {
  const int left = static_cast<int>(std::floor(box.center().x() - mask.width / 2.0 + 0.5));
  const int top = static_cast<int>(std::floor(box.center().y() - mask.height / 2.0 + 0.5));
  QImage& image = image_;
  const QRgb white = qRgb(255, 255, 255);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const int cover = mask.At(x, y);
      if (cover == 0) {
        continue;
      }
      const int dx = left + x;
      const int dy = top + y;
      if (!image.rect().contains(dx, dy) || image.pixel(dx, dy) != white) {
        throw std::runtime_error("text would overlap the drawing at device pixel " +
                                 std::to_string(dx) + "," + std::to_string(dy));
      }
      // Straight interpolation from white to the text colour: every channel
      // that the colour has at 255 stays 255, so the result is a pure tint.
      const auto mix = [cover](int c) { return 255 - ((255 - c) * cover + 127) / 255; };
      image.setPixel(dx, dy, qRgb(mix(qRed(colour)), mix(qGreen(colour)), mix(qBlue(colour))));
    }
  }
}

namespace {

QFont MakeFont(const FontSource& source, int pixelSize) {
  QFont font(QString::fromUtf8(source.family));
  font.setPixelSize(pixelSize);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                             QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

bool IsInstalled(const FontSource& source) {
  return QFontInfo(MakeFont(source, 16)).family() == QString::fromUtf8(source.family);
}

QFont RequireFont(const FontSource& source, int pixelSize) {
  if (!IsInstalled(source)) {
    throw std::runtime_error(std::string("font \"") + source.family +
                             "\" is not installed (Debian package " + source.package + ")");
  }
  return MakeFont(source, pixelSize);
}

}  // namespace flange::draw
