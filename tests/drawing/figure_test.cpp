// The flange drawing as compiled into the program. At every scale: the cut
// material piece by piece, and nothing else on the page but the listed lines,
// arrowheads, letters and title in their colours. At 1x: every line whole, the
// centre lines dash-dot, arrowheads inside their extension lines, and the
// letters in place, turned the right way.
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

// The cut material: blocks of pixels (columns x0 to x1, rows y0 to y1), less
// the bolt holes, and the hub between.
constexpr QRect Block(int x0, int y0, int x1, int y1) {
  return QRect(QPoint(x0, y0), QPoint(x1, y1));
}
constexpr QRect kSolid[] = {
    Block(97, 185, 124, 188),  Block(245, 185, 272, 188),  // raised face
    Block(39, 189, 124, 241),  Block(245, 189, 329, 241),  // flange plate
    Block(112, 284, 124, 298), Block(245, 284, 257, 298),  // straight end of the neck
    Block(125, 185, 244, 185), Block(125, 298, 244, 298),  // end faces across the bore
};
constexpr QRect kHoles[] = {Block(59, 190, 81, 240), Block(288, 190, 310, 240)};

// 1 where a device pixel is cut material, 0 where not, -1 where its centre lies
// exactly on the hub's surface. (x, y) is the pixel it lies in, (cx, cy) its
// centre in pixels. The hub's outer surface runs along the outer edges of
// x 100 on row 242 and x 112 on row 283 (269 and 257 on the right).
int Material(int x, int y, double cx, double cy) {
  if (y >= 242 && y <= 283 && (x <= 124 || x >= 245)) {
    const double inside = std::min(cx, 369 - cx) - (99.5 + 12.0 * (cy - 242) / 41.0);
    return std::abs(inside) < 1e-6 ? -1 : inside > 0;
  }
  auto in = [x, y](const QRect& r) { return r.contains(x, y); };
  return std::any_of(std::begin(kSolid), std::end(kSolid), in) &&
         std::none_of(std::begin(kHoles), std::end(kHoles), in);
}

// The dimension and extension lines, each with whether it runs across.
std::vector<std::pair<Line, bool>> Lines() {
  std::vector<std::pair<Line, bool>> lines;
  for (const Line& l : kHorizontalDimensionLines)
    lines.emplace_back(l, true);
  for (const Line& l : kVerticalDimensionLines)
    lines.emplace_back(l, false);
  for (const Extension& e : kHorizontalExtensions)
    lines.emplace_back(e.line, true);
  for (const Extension& e : kVerticalExtensions)
    lines.emplace_back(e.line, false);
  return lines;
}

// What may be drawn at each pixel of the 1x grid: red of the lines (also over
// the cut material), red of centre lines and arrowheads (up to three pixels
// inside the extension line and, at the finer scales, two either side of the
// line), letters and the title.
enum Place { kLine = 1, kMark = 2, kLetter = 4, kTitle = 8 };
std::vector<int> Places() {
  std::vector<int> places(kWidth * kHeight, 0);
  auto mark = [&](const QRect& r, int place) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x)
        places[y * kWidth + x] |= place;
    }
  };
  auto line = [](const Line& l, bool across, int width) {
    return across ? Corners(l.from, l.at - width, l.to, l.at + width)
                  : Corners(l.at - width, l.from, l.at + width, l.to);
  };
  for (const auto& [l, across] : Lines())
    mark(line(l, across, 0), kLine | kMark);
  for (const Line& l : kCentreLines)
    mark(line(l, false, 0), kMark);
  for (const Arrow& a : kHorizontalArrows) {
    mark(line({a.dimension.at, a.extension, a.extension + 3 * a.side}, true, 2), kMark);
  }
  for (const Arrow& a : kVerticalArrows) {
    mark(line({a.dimension.at, a.extension, a.extension + 3 * a.side}, false, 2), kMark);
  }
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
  ASSERT_EQ(image.size(), QSize(static_cast<int>(kWidth * s), static_cast<int>(kHeight * s)));
  const std::vector<int> places = Places();
  auto pixelOf = [s](int device) { return static_cast<int>(std::ceil((device + 1) / s)) - 1; };
  int failures = 0;
  for (int dy = 0; dy < image.height(); ++dy) {
    for (int dx = 0; dx < image.width(); ++dx) {
      const int x = pixelOf(dx);
      const int y = pixelOf(dy);
      const int place = places[y * kWidth + x];
      const QRgb c = image.pixel(dx, dy);
      const bool blank = c == kWhite || (c == kRed && (place & (kMark | kLetter))) ||
                         (IsRedInk(c) && (place & kLetter)) ||
                         ((c == kBlue || IsBlueInk(c)) && (place & kTitle));
      const int material = Material(x, y, (dx + 0.5) / s - 0.5, (dy + 0.5) / s - 0.5);
      const bool fits = material == 1   ? c == kLightBlue || (c == kRed && (place & kLine))
                        : material == 0 ? blank
                                        : c == kLightBlue || blank;
      if (!fits && ++failures <= 10) {
        ADD_FAILURE() << "device pixel " << dx << "," << dy << " in pixel " << x << "," << y
                      << ": #" << std::hex << c;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryScale, Drawing, ::testing::ValuesIn(assets::kDrawings),
                         [](const auto& info) { return std::to_string(info.index); });

class Drawing1x : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { image_ = LoadImage(QString::fromLatin1(assets::kDrawingPath)); }
  static QRgb At(int x, int y) { return image_.pixel(x, y); }
  static inline QImage image_;
};

TEST_F(Drawing1x, LinesAreWholeAndCentreLinesDashDot) {
  for (const auto& [l, across] : Lines()) {
    for (int p = l.from; p <= l.to; ++p) {
      EXPECT_EQ(across ? At(p, l.at) : At(l.at, p), kRed) << "line at " << l.at << ", " << p;
    }
  }
  // Centre lines: dashes of at least 6 pixels and dots of 1 or 2 between gaps
  // of 2 to 4, from a dash to a dash or a dot; behind the cut faces they go on
  // as they were.
  const std::regex dashDot("(R{6,}W{2,4}R{1,2}W{2,4})+R+(W{2,4}R{1,2})?");
  for (const Line& l : kCentreLines) {
    std::string seen;
    for (int y = l.from; y <= l.to; ++y) {
      seen += At(l.at, y) == kLightBlue ? seen.back() : At(l.at, y) == kRed ? 'R' : 'W';
    }
    EXPECT_TRUE(std::regex_match(seen, dashDot)) << "centre line at x " << l.at << ": " << seen;
  }
}

// A three-pixel mark across the line one to three pixels inside the extension
// line, and none just outside it.
TEST_F(Drawing1x, ArrowheadsSitJustInsideTheExtensionLines) {
  auto check = [](const Arrow& a, auto pixel) {
    auto red = [&](int along, int across) { return pixel(along, a.dimension.at + across) == kRed; };
    bool found = false;
    for (int along = a.extension + a.side; along != a.extension + 4 * a.side; along += a.side) {
      found = found || (red(along, -1) && red(along, 0) && red(along, 1) && !red(along, -2) &&
                        !red(along, 2));
    }
    EXPECT_TRUE(found) << "no arrowhead at " << a.extension << " on line " << a.dimension.at;
    EXPECT_FALSE(red(a.extension - a.side, -1) || red(a.extension - a.side, 1))
        << "arrowhead outside " << a.extension << " on line " << a.dimension.at;
  };
  for (const Arrow& a : kHorizontalArrows)
    check(a, [](int x, int y) { return At(x, y); });
  for (const Arrow& a : kVerticalArrows)
    check(a, [](int y, int x) { return At(x, y); });
}

TEST_F(Drawing1x, LettersStandInPlaceAndReadTheRightWay) {
  for (const LetterPlace& place : kLetters) {
    const std::optional<QRect> ink = InkBox(image_, LetterWindow(place), IsRedInk);
    ASSERT_TRUE(ink.has_value()) << place.letter;
    const QRect& b = place.box;
    const double middle = place.centred ? kLetterAxis : (b.left() + b.right()) / 2.0;
    EXPECT_LE(std::abs((ink->left() + ink->right()) / 2.0 - middle), kLetterTolerance)
        << place.letter;
    EXPECT_LE(std::abs(ink->top() - b.top()), kLetterTolerance) << place.letter;
    EXPECT_LE(std::abs(ink->bottom() - b.bottom()), kLetterTolerance) << place.letter;
    EXPECT_NEAR(place.turned ? ink->width() : ink->height(), 13, 1) << place.letter;
  }
  // C, turned counter-clockwise, opens upward: the middle third of its top row
  // is open, of its bottom row closed.
  auto strong = [](QRgb c) { return IsRedInk(c) && qGreen(c) <= 127; };
  const QRect c = *InkBox(image_, LetterWindow(kLetters[5]), strong);
  for (int x = c.left() + c.width() / 3; x < c.left() + 2 * c.width() / 3; ++x) {
    EXPECT_TRUE(!strong(At(x, c.top())) && strong(At(x, c.bottom()))) << x;
  }
  EXPECT_TRUE(InkBox(image_, kTitleWindow, IsBlueInk).has_value());
}

}  // namespace
}  // namespace flange::drawing_test
