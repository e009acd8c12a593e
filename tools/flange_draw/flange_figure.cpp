#include "flange_figure.hpp"

#include <QRectF>

#include <cmath>

#include "flange_assets.hpp"
#include "pixel_canvas.hpp"

namespace flange::draw {
namespace {

using assets::kBackground;
using assets::kCutMaterial;
using assets::kDimensionRed;
using assets::kTitleBlue;

// The body is symmetric about the boundary between pixels 184 and 185: pixel x
// on the left has its mirror image in pixel 369 - x on the right.
constexpr int kMirrorSum = 369;

// Letters are set in Nimbus Sans, a Helvetica design whose capitals and
// ascenders are equally tall, so every letter is 13 pixels high; the title's
// Chinese in a Song (Ming) face, as in printed standards. The OpenType file
// of Nimbus Sans is named by its foundry: the Type 1 copies of the same
// family are hinted differently.
constexpr FontSource kLetterFont{"Nimbus Sans [UKWN]", "fonts-urw-base35"};
constexpr FontSource kTitleChineseFont{"AR PL UMing CN", "fonts-arphic-uming"};
constexpr int kLetterPixelSize = 17;
constexpr int kTitleChinesePixelSize = 20;
constexpr int kTitleLatinPixelSize = 18;
// The parentheses reach below the baseline; raised a little, they sit
// centred on the height of the Chinese characters.
constexpr int kTitleLatinRise = 3;
constexpr int kTitleLatinGap = 1;

QRect Pixels(int x0, int y0, int x1, int y1) {
  return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// The cut material in light blue with the bore and bolt holes left white.
// Rows 185 and 298 run across the bore and rows 189 and 241 across the bolt
// holes, so the bore and each hole are closed white rectangles.
void DrawBody(PixelCanvas& canvas) {
  const double s = canvas.scale();
  canvas.FillPixels(Pixels(97, 185, 272, 188), kCutMaterial);  // raised face
  // The plate ends one pixel short of the mirror image of its left edge: its
  // width is odd, the bore's even.
  canvas.FillPixels(Pixels(39, 189, 329, 241), kCutMaterial);  // flange plate
  // Tapered hub: the outer surface runs straight from x 100 on row 242 to
  // x 112 on row 283, and its mirror image about x 185 on the right. Each
  // device row takes the pixels whose centres lie inside these lines, so a
  // finer scale draws a finer staircase of the same slope.
  for (int row = canvas.DeviceStart(242); row < canvas.DeviceStart(284); ++row) {
    const double y = (row + 0.5) / s;
    const double surface = 100.0 + 12.0 * (y - 242.5) / 41.0;
    const int left = static_cast<int>(std::ceil(s * surface - 0.5));
    const int right = static_cast<int>(std::floor(s * (kMirrorSum + 1 - surface) - 0.5));
    canvas.FillDevice(QRect(QPoint(left, row), QPoint(right, row)), kCutMaterial);
  }
  canvas.FillPixels(Pixels(112, 284, 257, 298), kCutMaterial);  // straight end
  canvas.FillPixels(Pixels(125, 186, 244, 297), kBackground);   // bore
  canvas.FillPixels(Pixels(59, 190, 81, 240), kBackground);     // left bolt hole
  canvas.FillPixels(Pixels(kMirrorSum - 81, 190, kMirrorSum - 59, 240), kBackground);
}

// A centre line, dash-dot: dashes of `dash` pixels, a one-pixel dot, gaps of
// three. It passes behind the cut material, so the faces that close the bore
// and the bolt holes stay unbroken.
void DrawCentreLine(PixelCanvas& canvas, int xHalves, int top, int bottom, int dash) {
  const int period = dash + 7;
  for (int y = top; y <= bottom; ++y) {
    const int phase = (y - top) % period;
    if (phase < dash || phase == dash + 3) {
      canvas.VerticalHairlineBehind(xHalves, LowHalf(y), HighHalf(y), kDimensionRed);
    }
  }
}

enum class Along { kX, kY };

// An arrowhead at the end of a dimension line that meets the extension line at
// `extension` (half-pixel units), lying on `side` (+1 or -1) of it. At 1x it
// is the line's end pixel plus a three-pixel mark across the line one pixel
// further in; at finer scales a solid triangle about two and a half pixels
// long in the same place (five device pixels long and wide at 2x).
void DrawArrowhead(PixelCanvas& canvas, Along along, int extension, int line, int side) {
  auto mark = [&](int at, int cross0, int cross1) {
    if (along == Along::kX) {
      canvas.FillDevice(QRect(QPoint(at, cross0), QPoint(at, cross1)), kDimensionRed);
    } else {
      canvas.FillDevice(QRect(QPoint(cross0, at), QPoint(cross1, at)), kDimensionRed);
    }
  };
  const int e = canvas.FromHalves(extension);
  const int l = canvas.FromHalves(line);
  if (canvas.scale() == 1) {
    mark(e + 2 * side, l - 1, l + 1);
    return;
  }
  const long length = std::lround(2.5 * canvas.scale());
  for (int k = 0; k < length; ++k) {
    const int halfWidth = (k + 1) / 2;
    mark(e + side * (1 + k), l - halfWidth, l + halfWidth);
  }
}

// A horizontal dimension: the line between two vertical extension lines that
// run from the body (`from`) to two pixels beyond the line, arrowheads inside.
void DrawHorizontalDimension(PixelCanvas& canvas, int lineY, int leftX, int rightX,
                             int extensionFrom) {
  const int beyond = extensionFrom > lineY ? lineY - 4 : lineY + 4;
  canvas.VerticalHairline(leftX, extensionFrom, beyond, kDimensionRed);
  canvas.VerticalHairline(rightX, extensionFrom, beyond, kDimensionRed);
  canvas.HorizontalHairline(lineY, leftX, rightX, kDimensionRed);
  DrawArrowhead(canvas, Along::kX, leftX, lineY, +1);
  DrawArrowhead(canvas, Along::kX, rightX, lineY, -1);
}

// A vertical dimension right of the body: the line between two horizontal
// extension lines that run from the body (`topFrom`, `bottomFrom`) to two
// pixels beyond the line, arrowheads inside.
void DrawRightDimension(PixelCanvas& canvas, int lineX, int topY, int topFrom, int bottomY,
                        int bottomFrom) {
  canvas.HorizontalHairline(topY, topFrom, lineX + 4, kDimensionRed);
  canvas.HorizontalHairline(bottomY, bottomFrom, lineX + 4, kDimensionRed);
  canvas.VerticalHairline(lineX, topY, bottomY, kDimensionRed);
  DrawArrowhead(canvas, Along::kY, topY, lineX, +1);
  DrawArrowhead(canvas, Along::kY, bottomY, lineX, -1);
}

void DrawDimensions(PixelCanvas& canvas) {
  // Diameters, read across the drawing; extension lines leave the body at its
  // edge pixels (the half pixel on the body's side at 2x).
  const int plateTop = HighHalf(188);  // just above the plate's top face
  const int faceTop = HighHalf(184);   // just above the raised face
  const int endBottom = LowHalf(299);  // just below the neck's end
  const int hubBase = LowHalf(242);    // just below the plate, beside the hub
  DrawHorizontalDimension(canvas, LowHalf(98), LowHalf(39), HighHalf(329), plateTop);     // D
  DrawHorizontalDimension(canvas, LowHalf(124), LowHalf(97), HighHalf(272), faceTop);     // d
  DrawHorizontalDimension(canvas, LowHalf(156), HighHalf(124), LowHalf(245), faceTop);    // B
  DrawHorizontalDimension(canvas, LowHalf(156), HighHalf(58), LowHalf(82), plateTop);     // dk
  DrawHorizontalDimension(canvas, LowHalf(334), LowHalf(112), HighHalf(257), endBottom);  // A
  DrawHorizontalDimension(canvas, LowHalf(364), HighHalf(99), LowHalf(270), hubBase);     // N

  // f and C share one vertical line at x 19. The raised face is too thin for
  // arrowheads inside, so f's arrow comes down from above and the line goes
  // on upward to carry the letter.
  const int fcX = LowHalf(19);
  const int faceY = LowHalf(185);
  const int plateY = LowHalf(189);
  const int undersideY = HighHalf(241);
  canvas.HorizontalHairline(faceY, HighHalf(96), fcX - 4, kDimensionRed);
  canvas.HorizontalHairline(plateY, HighHalf(38), fcX - 4, kDimensionRed);
  canvas.HorizontalHairline(undersideY, HighHalf(38), fcX - 4, kDimensionRed);
  canvas.VerticalHairline(fcX, LowHalf(167), undersideY, kDimensionRed);
  DrawArrowhead(canvas, Along::kY, faceY, fcX, -1);
  DrawArrowhead(canvas, Along::kY, plateY, fcX, +1);
  DrawArrowhead(canvas, Along::kY, undersideY, fcX, -1);

  // H: the overall height on the right, from the raised face to the neck end.
  DrawRightDimension(canvas, LowHalf(355), faceY, LowHalf(273), HighHalf(298), LowHalf(258));

  // h: the taper alone, from the plate's underside to where the hub ends. Its
  // upper extension line lies along the underside itself, across the right
  // bolt hole's closing face.
  DrawRightDimension(canvas, LowHalf(292), undersideY, LowHalf(274), HighHalf(283), LowHalf(258));
}

struct Letter {
  const char* text;
  QRectF box;   // in pixels; the letter's inked box is centred on it
  bool turned;  // reads from bottom to top
};

// Horizontal letters stand centred over their dimension line; the turned ones
// stand left of their vertical line.
constexpr double kAxis = kMirrorSum / 2.0 + 0.5;  // the middle of the drawing

QRectF Box(double x0, double y0, double x1, double y1) {
  return QRectF(QPointF(x0, y0), QPointF(x1 + 1, y1 + 1));
}
QRectF CentredOnAxis(double y0, double y1) {
  return Box(kAxis - 1, y0, kAxis, y1);
}

// A size in pixels at the canvas's scale, in whole device pixels.
int AtScale(const PixelCanvas& canvas, int pixels) {
  return static_cast<int>(std::lround(pixels * canvas.scale()));
}

void DrawLetters(PixelCanvas& canvas) {
  const double s = canvas.scale();
  const QFont font = RequireFont(kLetterFont, AtScale(canvas, kLetterPixelSize));
  const Letter letters[] = {
      {"D", Box(178, 80, 188, 92), false},   {"d", CentredOnAxis(108, 120), false},
      {"B", CentredOnAxis(138, 150), false}, {"dk", Box(60, 138, 77, 150), false},
      {"f", Box(5, 168, 17, 173), true},     {"C", Box(3, 209, 15, 219), true},
      {"H", Box(337, 238, 349, 248), true},  {"h", Box(274, 259, 286, 266), true},
      {"A", CentredOnAxis(318, 330), false}, {"N", CentredOnAxis(346, 358), false},
  };
  for (const Letter& letter : letters) {
    TextMask mask = RenderText({{font, QString::fromLatin1(letter.text), 0}});
    if (letter.turned) {
      mask = TurnCounterClockwise(mask);
    }
    const QRectF& b = letter.box;
    canvas.StampCentred(mask, QRectF(b.x() * s, b.y() * s, b.width() * s, b.height() * s),
                        kDimensionRed);
  }
}

void DrawTitle(PixelCanvas& canvas) {
  const double s = canvas.scale();
  const QFont chinese = RequireFont(kTitleChineseFont, AtScale(canvas, kTitleChinesePixelSize));
  const QFont latin = RequireFont(kLetterFont, AtScale(canvas, kTitleLatinPixelSize));
  const TextMask mask = RenderText({{chinese, QString::fromUtf8("带颈对焊法兰"), 0},
                                    {latin, QStringLiteral("(WN)"), AtScale(canvas, kTitleLatinGap),
                                     AtScale(canvas, kTitleLatinRise)}});
  const QRectF box = Box(102, 24, 262, 43);
  canvas.StampCentred(mask, QRectF(box.x() * s, box.y() * s, box.width() * s, box.height() * s),
                      kTitleBlue);
}

}  // namespace

QStringList MissingFigureFonts() {
  QStringList missing;
  for (const FontSource& source : {kLetterFont, kTitleChineseFont}) {
    if (!IsInstalled(source)) {
      missing << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(source.family),
                                               QString::fromUtf8(source.package));
    }
  }
  return missing;
}

QImage DrawFlangeFigure(double scale) {
  PixelCanvas canvas(assets::kDrawingWidth, assets::kDrawingHeight, scale);
  DrawBody(canvas);
  DrawCentreLine(canvas, HighHalf(184), 178, 306, 10);  // flange axis
  DrawCentreLine(canvas, HighHalf(70), 185, 249, 11);   // left bolt hole
  DrawCentreLine(canvas, LowHalf(kMirrorSum - 70), 185, 249, 11);
  DrawDimensions(canvas);
  DrawLetters(canvas);
  DrawTitle(canvas);
  return canvas.image().convertToFormat(QImage::Format_RGB888);
}

}  // namespace flange::draw
