// The flange drawing as compiled into the program. At every scale: the cut
// material piece by piece, and nothing else on the page but the listed lines,
// arrowheads, letters and title in their colours, so the finer drawings cover
// the same pixels in the same colours; at 1x every line whole. At 1x also the
// centre lines dash-dot, an arrowhead just inside each extension line and
// none outside, and the turned letters turned counter-clockwise. The window
// icon files: every size desktops ask for, 8-bit indexed, sharp (opaque or
// clear, in the drawing's colours) on a clear background, the red centre
// lines crossing in the bore, a blue rim one pixel wide up to 64 pixels, and
// the 24-pixel icon at double resolution the same as the 48-pixel one.
#include <gtest/gtest.h>

#include <QImageReader>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

// 1 where a device pixel is cut material, 0 where not, -1 where its centre lies
// exactly on the hub's surface. (x, y) is the pixel it lies in, (cx, cy) its
// centre in pixels. The hub's outer surface runs along the outer edges of
// x 100 on row 242 and x 112 on row 283 (269 and 257 on the right).
int Material(int x, int y, double cx, double cy) {
  if (y >= 242 && y <= 283 && (x <= 124 || x >= 245)) {
    const double inside = std::min(cx, 369 - cx) - (99.5 + 12.0 * (cy - 242) / 41.0);
    return std::abs(inside) < 1e-6 ? -1 : inside > 0;
  }
  // Raised face, plate and straight end, less the bore and the bolt holes.
  auto in = [=](int a, int b, int c, int d) { return x >= a && x <= c && y >= b && y <= d; };
  return (in(97, 185, 272, 188) || in(39, 189, 329, 241) || in(112, 284, 257, 298)) &&
         !in(125, 186, 244, 297) && !in(59, 190, 81, 240) && !in(288, 190, 310, 240);
}

// What may be drawn at each pixel of the 1x grid: red of the dimension and
// extension lines (also over the cut material, and whole at 1x), red of
// centre lines and arrowheads (up to three pixels inside the extension line
// and, at the finer scales, two either side of the line), letters and the
// title.
enum Place { kLine = 1, kMark = 2, kLetter = 4, kTitle = 8 };
std::vector<int> Places() {
  std::vector<int> places(kWidth * kHeight, 0);
  auto mark = [&](const QRect& r, int place) {
    for (int p = 0; p < r.width() * r.height(); ++p)
      places[(r.top() + p / r.width()) * kWidth + r.left() + p % r.width()] |= place;
  };
  auto line = [&](const Line& l, bool across, int width, int place) {
    mark(across ? Corners(l.from, l.at - width, l.to, l.at + width)
                : Corners(l.at - width, l.from, l.at + width, l.to),
         place);
  };
  for (const Line& l : kHorizontalDimensionLines)
    line(l, true, 0, kLine | kMark);
  for (const Line& l : kVerticalDimensionLines)
    line(l, false, 0, kLine | kMark);
  for (const Extension& e : kHorizontalExtensions)
    line(e.line, true, 0, kLine | kMark);
  for (const Extension& e : kVerticalExtensions)
    line(e.line, false, 0, kLine | kMark);
  for (const Line& l : kCentreLines)
    line(l, false, 0, kMark);
  for (const Arrow& a : kHorizontalArrows)
    line({a.dimension.at, a.extension, a.extension + 3 * a.side}, true, 2, kMark);
  for (const Arrow& a : kVerticalArrows)
    line({a.dimension.at, a.extension, a.extension + 3 * a.side}, false, 2, kMark);
  for (const LetterPlace& l : kLetters)
    mark(LetterWindow(l), kLetter);
  mark(kTitleWindow, kTitle);
  return places;
}

class Drawing : public ::testing::TestWithParam<assets::DrawingFile> {};

TEST_P(Drawing, ShowsTheBodyAndOnlyTheListedMarksInTheirColours) {
  const double s = GetParam().scale;
  const QString path = QString::fromLatin1(GetParam().path);
  EXPECT_EQ(QImageReader(path).imageFormat(), QImage::Format_RGB32);  // 8 bits a channel
  const QImage image = LoadImage(path);
  // Padded with white to whole pixels, so that a browser shows it unstretched.
  auto whole = [s](int pixels) {
    while (pixels * s != static_cast<int>(pixels * s))
      ++pixels;
    return static_cast<int>(pixels * s);
  };
  ASSERT_EQ(image.size(), QSize(whole(kWidth), whole(kHeight)));
  const std::vector<int> places = Places();
  auto pixelOf = [s](int device) { return static_cast<int>(std::ceil((device + 1) / s)) - 1; };
  for (int dy = 0; dy < image.height(); ++dy) {
    for (int dx = 0; dx < image.width(); ++dx) {
      const int x = pixelOf(dx), y = pixelOf(dy);
      if (y >= kHeight) {
        ASSERT_EQ(image.pixel(dx, dy), kWhite) << "padding row " << dy;
        continue;
      }
      const int place = places[y * kWidth + x];
      const QRgb c = image.pixel(dx, dy);
      const bool blank = c == kWhite || (c == kRed && (place & (kMark | kLetter))) ||
                         (IsRedInk(c) && (place & kLetter)) ||
                         ((c == kBlue || IsBlueInk(c)) && (place & kTitle));
      const int material = Material(x, y, (dx + 0.5) / s - 0.5, (dy + 0.5) / s - 0.5);
      const bool fits = material == 1   ? c == kLightBlue || (c == kRed && (place & kLine))
                        : material == 0 ? blank
                                        : c == kLightBlue || blank;
      const bool whole = s > 1 || !(place & kLine) || c == kRed;
      ASSERT_TRUE(fits && whole) << "device pixel " << dx << "," << dy << " in pixel " << x << ","
                                 << y << ": #" << std::hex << c;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryScale, Drawing, ::testing::ValuesIn(assets::kDrawings),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(Drawing1x, CentreLinesArrowheadsAndTurnedLetters) {
  const QImage image = LoadImage(QString::fromLatin1(assets::kDrawingPath));
  auto red = [&](int x, int y) { return image.pixel(x, y) == kRed; };
  // Centre lines: dashes of at least 6 pixels and dots of 1 or 2 between gaps
  // of 2 to 4, from a dash to a dash or a dot; behind the cut faces they go on
  // as they were.
  const std::regex dashDot("(R{6,}W{2,4}R{1,2}W{2,4})+R+(W{2,4}R{1,2})?");
  for (const Line& l : kCentreLines) {
    std::string seen;
    for (int y = l.from; y <= l.to; ++y)
      seen += image.pixel(l.at, y) == kLightBlue ? seen.back() : red(l.at, y) ? 'R' : 'W';
    EXPECT_TRUE(std::regex_match(seen, dashDot)) << "centre line at x " << l.at << ": " << seen;
  }
  // A three-pixel mark across the line one to three pixels inside the
  // extension line, and none just outside it.
  auto arrowhead = [](const Arrow& a, auto red) {
    bool found = false;
    for (int p = a.extension + a.side; p != a.extension + 4 * a.side; p += a.side) {
      found = found || (red(p, a.dimension.at - 1) && red(p, a.dimension.at) &&
                        red(p, a.dimension.at + 1) && !red(p, a.dimension.at + 2));
    }
    EXPECT_TRUE(found && !red(a.extension - a.side, a.dimension.at + 1))
        << "arrowhead at " << a.extension << " on line " << a.dimension.at;
  };
  for (const Arrow& a : kHorizontalArrows)
    arrowhead(a, red);
  for (const Arrow& a : kVerticalArrows)
    arrowhead(a, [&](int y, int x) { return red(x, y); });
  // C, turned counter-clockwise, opens upward: the middle third of its top row
  // is open, of its bottom row closed.
  auto strong = [](QRgb c) { return IsRedInk(c) && qGreen(c) <= 127; };
  const QRect c = *InkBox(image, LetterWindow(kLetters[5]), strong);
  for (int x = c.left() + c.width() / 3; x < c.left() + 2 * c.width() / 3; ++x)
    EXPECT_TRUE(!strong(image.pixel(x, c.top())) && strong(image.pixel(x, c.bottom()))) << x;
}

TEST(WindowIcon, EverySizeIsSharpInTheDrawingsColoursOnClear) {
  for (int size : assets::kIconSizes) {
    SCOPED_TRACE(size);
    EXPECT_EQ(QImageReader(assets::IconPath(size)).imageFormat(), QImage::Format_Indexed8);
    const QImage icon = LoadImage(assets::IconPath(size));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)) + qAlpha(icon.pixel(size - 1, size - 1)), 0);
    EXPECT_EQ(icon.pixel(size / 2, size / 2), kRed);
    // The rim along the middle row from the left: blue, then light blue.
    const int y = size / 2 - 1;
    int x = 0;
    while (qAlpha(icon.pixel(x, y)) == 0)
      ++x;
    const int rim = size <= 64 ? 1 : size / 48 + (size % 48 >= 24 ? 1 : 0);
    for (int i = 0; i < rim; ++i)
      EXPECT_EQ(icon.pixel(x + i, y), kBlue) << i;
    EXPECT_EQ(icon.pixel(x + rim, y), kLightBlue);
    for (int p = 0; p < size * size; ++p) {
      const QRgb c = icon.pixel(p % size, p / size);
      ASSERT_TRUE(qAlpha(c) == 0 || c == kWhite || c == kLightBlue || c == kRed || c == kBlue)
          << p % size << "," << p / size << ": #" << std::hex << c;
    }
  }
  const QImage fine = LoadImage(assets::WindowIcon2xPath());
  EXPECT_EQ(fine.size(), QSize(2 * assets::kWindowIconSize, 2 * assets::kWindowIconSize));
  EXPECT_EQ(fine, LoadImage(assets::IconPath(48)));
}

}  // namespace
}  // namespace flange::drawing_test
