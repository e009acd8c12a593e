// The flange drawing as compiled into the program, checked pixel by pixel:
// the cut material of each piece, the white bore and bolt holes, symmetry,
// every dimension, extension and centre line, the arrowheads, the letters and
// the title, the colours, and the blank margin that the window cuts off.
#include <gtest/gtest.h>

#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

class Drawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { image_ = LoadImage(QString::fromLatin1(assets::kDrawingPath)); }
  static QRgb At(int x, int y) { return image_.pixel(x, y); }
  static std::string Where(int x, int y) { return Describe(image_, x, y).toStdString(); }
  static QImage image_;
};
QImage Drawing::image_;

TEST_F(Drawing, IsTrueColourAtItsNaturalSize) {
  QImageReader reader(QString::fromLatin1(assets::kDrawingPath));
  EXPECT_EQ(reader.size(), QSize(kWidth, kHeight));
  EXPECT_EQ(reader.imageFormat(), QImage::Format_RGB32);  // 8 bits per channel, no alpha
  ASSERT_EQ(image_.size(), QSize(kWidth, kHeight));
}

// --- The cut material --------------------------------------------------------

TEST_F(Drawing, EachPieceFillsItsRowsAndColumnsInLightBlue) {
  for (int y = 0; y < kHeight; ++y) {
    std::vector<PixelRun> expected;
    if (y == 185) {  // raised face, its top face running across the bore
      expected = {{97, 272}};
    } else if (y >= 186 && y <= 188) {
      expected = {{97, 124}, {245, 272}};
    } else if (y == 189) {  // plate, its top face running across the holes
      expected = {{39, 124}, {245, 329}};
    } else if (y >= 190 && y <= 240) {  // plate less the bolt holes
      expected = {{39, 58}, {82, 124}, {245, 287}, {311, 329}};
    } else if (y == 241) {  // plate's underside, h's extension line lying on it
      expected = {{39, 124}, {245, 273}, {295, 329}};
    } else if (y >= 242 && y <= 283) {
      continue;                         // the tapered hub, below
    } else if (y >= 284 && y <= 297) {  // straight end of the neck
      expected = {{112, 124}, {245, 257}};
    } else if (y == 298) {  // its end face running across the bore
      expected = {{112, 257}};
    }
    EXPECT_EQ(LightBlueRuns(image_, y), expected) << "row " << y;
  }
}

TEST_F(Drawing, HubTapersAlongStraightOuterSurfaces) {
  for (int y = 242; y <= 283; ++y) {
    const std::vector<PixelRun> runs = LightBlueRuns(image_, y);
    ASSERT_EQ(runs.size(), 2U) << "row " << y;
    EXPECT_EQ(runs[0].to, 124) << "inner surface, row " << y;
    EXPECT_EQ(runs[1].from, 245) << "inner surface, row " << y;
    // Each row's edge is the straight line rounded to the nearest pixel.
    EXPECT_LE(std::abs(runs[0].from - HubSurface(y)), 0.5) << "row " << y;
    EXPECT_LE(std::abs(runs[1].to - (369 - HubSurface(y))), 0.5) << "row " << y;
  }
  EXPECT_EQ(LightBlueRuns(image_, 242).front().from, 100);
  EXPECT_EQ(LightBlueRuns(image_, 283).front().from, 112);
  EXPECT_EQ(LightBlueRuns(image_, 242).back().to, 269);
  EXPECT_EQ(LightBlueRuns(image_, 283).back().to, 257);
}

TEST_F(Drawing, BoreAndBoltHolesAreWhiteRectanglesClosedByFaceLines) {
  struct Opening {
    int left, top, right, bottom, axis;
  };
  const Opening openings[] = {
      {125, 186, 244, 297, 184},  // bore
      {59, 190, 81, 240, 70},     // bolt holes
      {288, 190, 310, 240, 299},
  };
  for (const Opening& o : openings) {
    for (int y = o.top; y <= o.bottom; ++y) {
      for (int x = o.left; x <= o.right; ++x) {
        const bool centre_line = x == o.axis && At(x, y) == kRed;
        EXPECT_TRUE(At(x, y) == kWhite || centre_line) << Where(x, y);
      }
    }
    for (int x = o.left; x <= o.right; ++x) {
      EXPECT_EQ(At(x, o.top - 1), kLightBlue) << "closing face " << Where(x, o.top - 1);
      // h's extension line lies along the plate's underside from x 274 to 294
      // and so closes the right bolt hole in red where it crosses it.
      const bool under_h_extension = o.bottom + 1 == 241 && x >= 274 && x <= 294;
      EXPECT_EQ(At(x, o.bottom + 1), under_h_extension ? kRed : kLightBlue)
          << "closing face " << Where(x, o.bottom + 1);
    }
  }
}

TEST_F(Drawing, FlangeIsSymmetricAboutItsAxisToWithinOnePixel) {
  for (int y = 185; y <= 298; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (At(x, y) != kLightBlue) {
        continue;
      }
      // The mirror image of x about x = 184 is 368 - x.
      const int mirror = 368 - x;
      if (y == 241 && mirror >= 273 && mirror <= 295) {
        continue;  // the mirror pixel lies under h's extension line
      }
      const bool mirrored = At(mirror - 1, y) == kLightBlue || At(mirror, y) == kLightBlue ||
                            At(mirror + 1, y) == kLightBlue;
      EXPECT_TRUE(mirrored) << Where(x, y);
    }
  }
}

// --- Dimension, extension and centre lines -----------------------------------

TEST_F(Drawing, DimensionLinesLieOnTheirRowsAndColumnsOverTheirSpans) {
  for (const Line& l : kHorizontalDimensionLines) {
    for (int x = l.from; x <= l.to; ++x) {
      EXPECT_EQ(At(x, l.at), kRed) << Where(x, l.at);
    }
    EXPECT_NE(At(l.from - 1, l.at), kRed) << "line runs on past " << Where(l.from - 1, l.at);
    EXPECT_NE(At(l.to + 1, l.at), kRed) << "line runs on past " << Where(l.to + 1, l.at);
  }
  for (const Line& l : kVerticalDimensionLines) {
    for (int y = l.from; y <= l.to; ++y) {
      EXPECT_EQ(At(l.at, y), kRed) << Where(l.at, y);
    }
    EXPECT_NE(At(l.at, l.from - 1), kRed) << "line runs on past " << Where(l.at, l.from - 1);
    EXPECT_NE(At(l.at, l.to + 1), kRed) << "line runs on past " << Where(l.at, l.to + 1);
  }
}

TEST_F(Drawing, ExtensionLinesRunFromTheBodyToTwoPixelsPastTheirDimensionLine) {
  for (const Extension& e : kVerticalExtensions) {
    const int x = e.line.at;
    for (int y = e.line.from; y <= e.line.to; ++y) {
      EXPECT_EQ(At(x, y), kRed) << Where(x, y);
    }
    const int toward_body = e.body_end > e.far_end ? +1 : -1;
    EXPECT_EQ(At(x, e.body_end + toward_body), kLightBlue)
        << "extension line does not meet the body at " << Where(x, e.body_end + toward_body);
    EXPECT_NE(At(x, e.far_end - toward_body), kRed) << Where(x, e.far_end - toward_body);
  }
  for (const Extension& e : kHorizontalExtensions) {
    const int y = e.line.at;
    for (int x = e.line.from; x <= e.line.to; ++x) {
      EXPECT_EQ(At(x, y), kRed) << Where(x, y);
    }
    const int toward_body = e.body_end > e.far_end ? +1 : -1;
    EXPECT_EQ(At(e.body_end + toward_body, y), kLightBlue)
        << "extension line does not meet the body at " << Where(e.body_end + toward_body, y);
    EXPECT_NE(At(e.far_end - toward_body, y), kRed) << Where(e.far_end - toward_body, y);
  }
}

TEST_F(Drawing, CentreLinesAreDashDotOverTheirWholeLength) {
  for (const Line& l : kCentreLines) {
    SCOPED_TRACE("centre line at x " + std::to_string(l.at));
    EXPECT_EQ(At(l.at, l.from - 1), kWhite);
    EXPECT_EQ(At(l.at, l.to + 1), kWhite);
    // Red and white runs along the line; where the line passes behind a cut
    // face it is taken to go on as it was.
    std::vector<std::pair<bool, int>> runs;  // (red, length)
    for (int y = l.from; y <= l.to; ++y) {
      bool red = At(l.at, y) == kRed;
      if (At(l.at, y) == kLightBlue) {
        red = runs.back().first;
      } else {
        EXPECT_TRUE(red || At(l.at, y) == kWhite) << Where(l.at, y);
      }
      if (!runs.empty() && runs.back().first == red) {
        ++runs.back().second;
      } else {
        runs.emplace_back(red, 1);
      }
    }
    ASSERT_GE(runs.size(), 9U) << "too few dashes";
    ASSERT_TRUE(runs.front().first && runs.back().first) << "starts or ends in a gap";
    // dash, gap, dot, gap, dash, ...
    for (size_t i = 0; i < runs.size(); ++i) {
      const int length = runs[i].second;
      switch (i % 4) {
        case 0:
          EXPECT_GE(length, 6) << "dash " << i;
          break;
        case 2:
          EXPECT_TRUE(runs[i].first && length <= 2) << "dot " << i;
          break;
        default:
          EXPECT_TRUE(!runs[i].first && length >= 2 && length <= 4) << "gap " << i;
      }
    }
  }
}

TEST_F(Drawing, ArrowheadsSitJustInsideTheExtensionLines) {
  // A three-pixel mark across the line, one to three pixels from the
  // extension line on the arrowhead's side, and nothing on the other side.
  auto find_mark = [&](auto pixel, const Arrow& a) {
    for (int k = 1; k <= 3; ++k) {
      const int along = a.extension + k * a.side;
      if (pixel(along, -1) == kRed && pixel(along, 0) == kRed && pixel(along, +1) == kRed &&
          pixel(along, -2) != kRed && pixel(along, +2) != kRed) {
        return k;
      }
    }
    return 0;
  };
  for (const Arrow& a : kHorizontalArrows) {
    auto pixel = [&](int x, int across) { return At(x, a.dimension.at + across); };
    EXPECT_GT(find_mark(pixel, a), 0) << "no arrowhead at " << a.extension << "," << a.dimension.at;
    EXPECT_NE(pixel(a.extension - a.side, -1), kRed);
    EXPECT_NE(pixel(a.extension - a.side, +1), kRed);
  }
  for (const Arrow& a : kVerticalArrows) {
    auto pixel = [&](int y, int across) { return At(a.dimension.at + across, y); };
    EXPECT_GT(find_mark(pixel, a), 0) << "no arrowhead at " << a.dimension.at << "," << a.extension;
  }
  // f's arrowhead comes down from above onto the raised face's top.
  EXPECT_EQ(At(18, 183), kRed);
  EXPECT_EQ(At(20, 183), kRed);
}

// --- Letters and title -------------------------------------------------------

TEST_F(Drawing, LettersStandWhereTheirDimensionsAre) {
  for (const LetterPlace& place : kLetters) {
    SCOPED_TRACE(place.letter);
    const std::optional<QRect> ink = InkBox(image_, LetterWindow(place), IsRedInk);
    ASSERT_TRUE(ink.has_value()) << "no letter";
    const QRect& b = place.box;
    if (place.centred) {
      EXPECT_LE(std::abs((ink->left() + ink->right()) / 2.0 - kLetterAxis), kLetterTolerance);
      EXPECT_LE(ink->width(), 14);
    } else {
      EXPECT_LE(std::abs(ink->left() - b.left()), kLetterTolerance);
      EXPECT_LE(std::abs(ink->right() - b.right()), kLetterTolerance);
    }
    EXPECT_LE(std::abs(ink->top() - b.top()), kLetterTolerance);
    EXPECT_LE(std::abs(ink->bottom() - b.bottom()), kLetterTolerance);
    // About 13 pixels high: across a turned letter.
    EXPECT_NEAR(place.turned ? ink->width() : ink->height(), 13, 1);
  }
}

QRect StrongInkBox(const QImage& image, const char* letter) {
  for (const LetterPlace& place : kLetters) {
    if (std::string(place.letter) == letter) {
      return InkBox(image, LetterWindow(place), IsStrongRedInk).value_or(QRect());
    }
  }
  return QRect();
}

TEST_F(Drawing, DiameterLettersReadAcross) {
  auto full_column = [&](const QRect& box, int x) {
    return CountInColumn(image_, box, x, IsStrongRedInk) >= box.height() - 2;
  };
  const QRect D = StrongInkBox(image_, "D");
  EXPECT_TRUE(full_column(D, D.left())) << "D's stem on the left";
  EXPECT_FALSE(full_column(D, D.right()));
  const QRect d = StrongInkBox(image_, "d");
  EXPECT_TRUE(full_column(d, d.right())) << "d's stem on the right";
  EXPECT_FALSE(full_column(d, d.left()));
  const QRect B = StrongInkBox(image_, "B");
  EXPECT_TRUE(full_column(B, B.left())) << "B's stem on the left";
  const QRect N = StrongInkBox(image_, "N");
  EXPECT_TRUE(full_column(N, N.left()) && full_column(N, N.right())) << "N's two stems";
  const QRect A = StrongInkBox(image_, "A");
  EXPECT_LE(CountInRow(image_, A, A.top(), IsStrongRedInk), 4) << "A's apex at the top";
  EXPECT_GE(CountInRow(image_, A, A.bottom(), IsStrongRedInk), 2) << "A's feet at the bottom";
  EXPECT_TRUE(IsStrongRedInk(image_.pixel(A.left(), A.bottom())) ||
              IsStrongRedInk(image_.pixel(A.left() + 1, A.bottom())));
  EXPECT_LT(A.width(), A.height() + 2);
  const QRect dk = StrongInkBox(image_, "dk");
  int stems = 0;
  for (int x = dk.left(); x <= dk.right(); ++x) {
    stems += full_column(dk, x) ? 1 : 0;
  }
  EXPECT_GE(stems, 2) << "the ascenders of d and k";
  EXPECT_GT(dk.width(), dk.height()) << "two letters side by side";
}

TEST_F(Drawing, HeightLettersReadFromBottomToTop) {
  auto full_row = [&](const QRect& box, int y) {
    return CountInRow(image_, box, y, IsStrongRedInk) >= box.width() - 2;
  };
  for (const char* letter : {"f", "C", "H", "h"}) {
    const QRect box = StrongInkBox(image_, letter);
    EXPECT_GT(box.width(), box.height()) << letter << " lies on its side";
  }
  // h: its ascender, turned, runs along the bottom; the arch reaches the top
  // only on the right, where the glyph's baseline went.
  const QRect h = StrongInkBox(image_, "h");
  EXPECT_TRUE(full_row(h, h.bottom()));
  EXPECT_FALSE(full_row(h, h.top()));
  EXPECT_FALSE(IsStrongRedInk(image_.pixel(h.left(), h.top())));
  EXPECT_TRUE(IsStrongRedInk(image_.pixel(h.right(), h.top())) ||
              IsStrongRedInk(image_.pixel(h.right() - 1, h.top())));
  // C: its opening faces up.
  const QRect C = StrongInkBox(image_, "C");
  const QRect middle(C.left() + C.width() / 3, C.top(), C.width() / 3, C.height());
  EXPECT_EQ(CountInRow(image_, middle, C.top(), IsStrongRedInk), 0) << "C opens upward";
  EXPECT_EQ(CountInRow(image_, middle, C.bottom(), IsStrongRedInk), middle.width());
  // f: the crossbar, now upright, stands nearer the left end (the top of the
  // glyph) than the right end (its foot).
  const QRect f = StrongInkBox(image_, "f");
  int crossbar = f.left();
  for (int x = f.left(); x <= f.right(); ++x) {
    if (CountInColumn(image_, f, x, IsStrongRedInk) >
        CountInColumn(image_, f, crossbar, IsStrongRedInk)) {
      crossbar = x;
    }
  }
  EXPECT_LT(crossbar - f.left(), f.right() - crossbar);
  // H: its two stems lie along the top and the bottom.
  const QRect H = StrongInkBox(image_, "H");
  EXPECT_TRUE(full_row(H, H.top()) && full_row(H, H.bottom()));
}

TEST_F(Drawing, TitleStandsCentredOverTheDrawingInBlue) {
  const std::optional<QRect> ink = InkBox(image_, image_.rect(), IsBlueInk);
  ASSERT_TRUE(ink.has_value());
  EXPECT_LE(std::abs(ink->left() - kTitleBox.left()), kLetterTolerance);
  EXPECT_LE(std::abs(ink->right() - kTitleBox.right()), kLetterTolerance);
  EXPECT_LE(std::abs(ink->top() - kTitleBox.top()), kLetterTolerance);
  EXPECT_LE(std::abs(ink->bottom() - kTitleBox.bottom()), kLetterTolerance);
  const std::optional<QRect> solid =
      InkBox(image_, image_.rect(), [](QRgb c) { return c == kBlue; });
  ASSERT_TRUE(solid.has_value());
  EXPECT_TRUE(kTitleWindow.contains(*solid));
}

// --- Colours and margins -----------------------------------------------------

TEST_F(Drawing, UsesOnlyItsFiveColoursAndTintsOfRedAndBlueOnLetterEdges) {
  std::vector<QRect> letter_windows;
  for (const LetterPlace& place : kLetters) {
    letter_windows.push_back(LetterWindow(place));
  }
  auto in_letter = [&](int x, int y) {
    return std::any_of(letter_windows.begin(), letter_windows.end(),
                       [&](const QRect& w) { return w.contains(x, y); });
  };
  int failures = 0;
  for (int y = 0; y < kHeight && failures < 10; ++y) {
    for (int x = 0; x < kWidth && failures < 10; ++x) {
      const QRgb c = At(x, y);
      bool fine = c == kWhite || c == kLightBlue || c == kRed;
      fine = fine || (IsRedInk(c) && in_letter(x, y));
      fine = fine || ((c == kBlue || IsBlueInk(c)) && kTitleWindow.contains(x, y));
      if (!fine) {
        ADD_FAILURE() << "colour out of place at " << Where(x, y);
        ++failures;
      }
    }
  }
}

TEST_F(Drawing, NothingIsDrawnBesideTheBodyLinesLettersAndTitle) {
  const MarkAllowance allowance;
  int failures = 0;
  for (int y = 0; y < kHeight && failures < 10; ++y) {
    for (int x = 0; x < kWidth && failures < 10; ++x) {
      if (At(x, y) != kWhite && !allowance.Allows(x, y)) {
        ADD_FAILURE() << "stray mark at " << Where(x, y);
        ++failures;
      }
    }
  }
}

TEST_F(Drawing, RightColumnsAndBottomRowThatTheWindowCutsOffAreBlank) {
  // The rightmost mark is the end of H's extension lines at x 357.
  EXPECT_EQ(At(357, 185), kRed);
  EXPECT_EQ(At(357, 298), kRed);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 358; x < kWidth; ++x) {
      ASSERT_EQ(At(x, y), kWhite) << Where(x, y);
    }
  }
  for (int x = 0; x < kWidth; ++x) {
    ASSERT_EQ(At(x, kHeight - 1), kWhite) << Where(x, kHeight - 1);
  }
}

}  // namespace
}  // namespace flange::drawing_test
