// A white raster on which the drawing is built pixel by pixel: flat colour
// fills without antialiasing, and antialiased text stamped as a coverage mask
// so that its smoothed edges are pure tints of the text colour on white.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <vector>

namespace flange::draw {

struct TextMask;

// The drawing is laid out on a grid of half pixels. At a device scale s,
// pixel p covers device pixels floor(p * s) to floor((p + 1) * s) - 1. A
// one-pixel line of the normal image sits in pixel p; at a finer scale its
// hairline, one device pixel wide, takes the first device pixel of that span
// (the lower half, 2p) or the last one (the upper half, 2p + 1). At scale 2 a
// half is exactly one device pixel.
constexpr int LowHalf(int pixel) {
  return 2 * pixel;
}
constexpr int HighHalf(int pixel) {
  return 2 * pixel + 1;
}

class PixelCanvas {
 public:
  // A white image of width x height pixels at a device scale of 1 or more
  // (a multiple of 1/4, so that every device position is exact).
  PixelCanvas(int width, int height, double scale);

  double scale() const { return scale_; }
  const QImage& image() const { return image_; }

  // The first device pixel of pixel p: floor(p * scale).
  int DeviceStart(int pixel) const;
  // The device pixel of a half-pixel grid unit: the first device pixel of its
  // pixel for a lower half, the last one for an upper half.
  int FromHalves(int halves) const;

  // Fills whole pixels of the drawing's own grid (scale-independent).
  void FillPixels(const QRect& pixels, QRgb colour);
  // Fills device pixels of this image.
  void FillDevice(const QRect& device, QRgb colour);
  // One device pixel wide lines, in half-pixel units; both ends included.
  void HorizontalHairline(int y, int x0, int x1, QRgb colour);
  void VerticalHairline(int x, int y0, int y1, QRgb colour);
  // As above, but leaves every device pixel that is not white background.
  void VerticalHairlineBehind(int x, int y0, int y1, QRgb colour);

  QRgb DevicePixel(int x, int y) const { return image_.pixel(x, y); }

  // Stamps text coverage with its inked box centred on the centre of `box`
  // (device pixels, rounded to whole pixels). Tints are mixed with white
  // only; text that would cover anything but white background is a layout
  // error and throws.
  void StampCentred(const TextMask& mask, const QRectF& box, QRgb colour);

 private:
  QImage image_;
  double scale_;
};

// Text coverage: 0 = background, 255 = fully covered, in device pixels,
// cropped to the inked pixels.
struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> coverage;  // row-major

  unsigned char At(int x, int y) const { return coverage[static_cast<size_t>(y * width + x)]; }
};

// One piece of text in one font; pieces are set one after the other,
// `gapBefore` device pixels after the previous one's advance and `rise`
// device pixels above the common baseline.
struct TextRun {
  QFont font;
  QString text;
  int gapBefore = 0;
  int rise = 0;
};

TextMask RenderText(const std::vector<TextRun>& runs);

// The mask turned a quarter turn counter-clockwise, so that text reads from
// bottom to top.
TextMask TurnCounterClockwise(const TextMask& mask);

// A font family the drawing is set in, and the Debian package that installs it.
struct FontSource {
  const char* family;  // as Qt names it, with the foundry where several exist
  const char* package;
};

bool IsInstalled(const FontSource& source);

// A font of the family at a pixel size, hinted fully and antialiased in grey;
// an error naming the package if the family is missing: the drawing must not
// silently fall back to whatever face is installed.
QFont RequireFont(const FontSource& source, int pixelSize);

}  // namespace flange::draw
