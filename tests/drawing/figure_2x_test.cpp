// The double-resolution drawing for screens with two device pixels to a
// logical pixel: the same geometry as the normal drawing, with lines one
// device pixel wide and sharp, and letters drawn with the finer pixels rather
// than enlarged.
#include <gtest/gtest.h>

#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

class Drawing2x : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    normal_ = LoadImage(QString::fromLatin1(assets::kDrawingPath));
    fine_ = LoadImage(QString::fromLatin1(assets::kDrawing2xPath));
  }
  static QRgb At(int x, int y) { return fine_.pixel(x, y); }
  static std::string Where(int x, int y) { return Describe(fine_, x, y).toStdString(); }
  static QImage normal_;
  static QImage fine_;
};
QImage Drawing2x::normal_;
QImage Drawing2x::fine_;

TEST_F(Drawing2x, IsTwiceTheSizeInTrueColour) {
  QImageReader reader(QString::fromLatin1(assets::kDrawing2xPath));
  EXPECT_EQ(reader.size(), QSize(2 * kWidth, 2 * kHeight));
  EXPECT_EQ(reader.imageFormat(), QImage::Format_RGB32);
  ASSERT_EQ(fine_.size(), QSize(2 * kWidth, 2 * kHeight));
}

TEST_F(Drawing2x, CutMaterialCoversTheSamePixels) {
  for (int y = 0; y < kHeight; ++y) {
    if (y >= 242 && y <= 283) {
      continue;  // the taper's slope, below
    }
    for (int x = 0; x < kWidth; ++x) {
      // h's extension line lies on the plate's underside: at 2x it takes only
      // the lower half of that row.
      const bool under_h_extension = y == 241 && x >= 274 && x <= 294;
      const bool material = normal_.pixel(x, y) == kLightBlue || under_h_extension;
      int covered = 0;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          covered += At(2 * x + dx, 2 * y + dy) == kLightBlue ? 1 : 0;
        }
      }
      if (under_h_extension) {
        // The line ends 4 device pixels past h's line, half-way into x 294.
        EXPECT_EQ(covered, x == 294 ? 3 : 2) << "pixel " << x << "," << y;
      } else {
        EXPECT_EQ(covered, material ? 4 : 0) << "pixel " << x << "," << y;
      }
    }
  }
}

TEST_F(Drawing2x, HubSlopeIsTheSameStraightLineInFinerSteps) {
  int previous = 0;
  for (int row = 2 * 242; row <= 2 * 283 + 1; ++row) {
    int left = 0;
    while (At(left, row) != kLightBlue) {
      ++left;
    }
    // The line through x 100 and x 112 at the centres of rows 242 and 283,
    // taken at this device row's centre.
    const double expected = 2.0 * HubSurface((row + 0.5) / 2.0 - 0.5);
    EXPECT_LE(std::abs(left - expected), 1.0) << "device row " << row;
    EXPECT_GE(left, previous) << "device row " << row;
    previous = left;
    int right = 2 * kWidth - 1;
    while (At(right, row) != kLightBlue) {
      --right;
    }
    EXPECT_EQ(left + right, 2 * 369 + 1) << "symmetric, device row " << row;
  }
}

// Whether a line across `line` (a dimension, extension or centre line) passes
// within two pixels of `along`, or one of its arrowheads lies there.
bool CrossedAt(bool horizontal, const Line& line, int along) {
  auto near = [&](int at, int from, int to) {
    return std::abs(at - along) <= 2 && line.at >= from - 2 && line.at <= to + 2;
  };
  for (const Line& l : kVerticalDimensionLines) {
    if (horizontal ? near(l.at, l.from, l.to) : false) return true;
  }
  for (const Line& l : kHorizontalDimensionLines) {
    if (!horizontal && near(l.at, l.from, l.to)) return true;
  }
  for (const Line& l : kCentreLines) {
    if (horizontal && near(l.at, l.from, l.to)) return true;
  }
  for (const Extension& e : kVerticalExtensions) {
    if (horizontal && near(e.line.at, e.line.from, e.line.to)) return true;
  }
  for (const Extension& e : kHorizontalExtensions) {
    if (!horizontal && near(e.line.at, e.line.from, e.line.to)) return true;
  }
  // Arrowheads are up to three pixels long.
  for (const Arrow& a : horizontal
                            ? std::vector<Arrow>(kHorizontalArrows.begin(), kHorizontalArrows.end())
                            : std::vector<Arrow>(kVerticalArrows.begin(), kVerticalArrows.end())) {
    if (a.dimension.at == line.at && std::abs(a.extension - along) <= 4) return true;
  }
  return false;
}

// The rows (or columns) of a 1x line, at 2x: exactly one of the two device
// rows is red all along, and the device rows on either side are not, except
// where other lines cross it: a hairline, not a line two device pixels wide.
void ExpectHairline(const QImage& fine, bool horizontal, const Line& line) {
  auto pixel = [&](int along, int across) {
    return horizontal ? fine.pixel(along, across) : fine.pixel(across, along);
  };
  const int a = 2 * line.at;
  const int middle = line.from + line.to;  // twice the midpoint
  const int row = pixel(middle, a) == kRed ? a : a + 1;
  ASSERT_EQ(pixel(middle, row), kRed) << "no line at " << line.at;
  const int beside = row == a ? a + 1 : a;
  const int outside = row == a ? a - 1 : a + 2;
  int checked = 0;
  // The end pixels meet the lines across.
  for (int p = line.from + 2; p <= line.to - 2; ++p) {
    if (CrossedAt(horizontal, line, p)) {
      continue;
    }
    for (int along = 2 * p; along <= 2 * p + 1; ++along) {
      ++checked;
      ASSERT_EQ(pixel(along, row), kRed) << "gap in the line at " << line.at << ", " << along;
      ASSERT_NE(pixel(along, beside), kRed) << "line at " << line.at << " widened at " << along;
      ASSERT_NE(pixel(along, outside), kRed) << "line at " << line.at << " widened at " << along;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST_F(Drawing2x, DimensionLinesAreOneDevicePixelWide) {
  for (const Line& l : kHorizontalDimensionLines) {
    ExpectHairline(fine_, true, l);
  }
  for (const Line& l : kVerticalDimensionLines) {
    ExpectHairline(fine_, false, l);
  }
}

TEST_F(Drawing2x, ExtensionLinesAreOneDevicePixelWide) {
  for (const Extension& e : kVerticalExtensions) {
    ExpectHairline(fine_, false, e.line);
  }
  for (const Extension& e : kHorizontalExtensions) {
    ExpectHairline(fine_, true, e.line);
  }
}

TEST_F(Drawing2x, LettersAreDrawnWithTheFinerPixelsNotEnlarged) {
  for (const LetterPlace& place : kLetters) {
    SCOPED_TRACE(place.letter);
    const QRect window = LetterWindow(place);
    const QRect fine_window(2 * window.left(), 2 * window.top(), 2 * window.width(),
                            2 * window.height());
    const std::optional<QRect> ink = InkBox(fine_, fine_window, IsRedInk);
    ASSERT_TRUE(ink.has_value());
    const QRect& b = place.box;
    EXPECT_LE(std::abs(ink->top() - 2 * b.top()), 2 * kLetterTolerance);
    EXPECT_LE(std::abs(ink->bottom() - (2 * b.bottom() + 1)), 2 * kLetterTolerance);
    if (!place.centred) {
      EXPECT_LE(std::abs(ink->left() - 2 * b.left()), 2 * kLetterTolerance);
      EXPECT_LE(std::abs(ink->right() - (2 * b.right() + 1)), 2 * kLetterTolerance);
    }
    // An enlarged letter is made of 2 x 2 blocks of one colour.
    int mixed_blocks = 0;
    for (int y = ink->top() & ~1; y < ink->bottom(); y += 2) {
      for (int x = ink->left() & ~1; x < ink->right(); x += 2) {
        const QRgb c = At(x, y);
        if (At(x + 1, y) != c || At(x, y + 1) != c || At(x + 1, y + 1) != c) {
          ++mixed_blocks;
        }
      }
    }
    EXPECT_GE(mixed_blocks, 10);
  }
}

TEST_F(Drawing2x, UsesTheSameColoursInTheSamePlaces) {
  const MarkAllowance allowance;
  std::vector<QRect> letter_windows;
  for (const LetterPlace& place : kLetters) {
    letter_windows.push_back(LetterWindow(place));
  }
  int failures = 0;
  for (int y = 0; y < 2 * kHeight && failures < 10; ++y) {
    for (int x = 0; x < 2 * kWidth && failures < 10; ++x) {
      const QRgb c = At(x, y);
      const int px = x / 2;
      const int py = y / 2;
      const bool in_letter = std::any_of(letter_windows.begin(), letter_windows.end(),
                                         [&](const QRect& w) { return w.contains(px, py); });
      bool fine = c == kWhite || c == kLightBlue || c == kRed;
      fine = fine || (IsRedInk(c) && in_letter);
      fine = fine || ((c == kBlue || IsBlueInk(c)) && kTitleWindow.contains(px, py));
      fine = fine && (c == kWhite || allowance.Allows(px, py));
      if (!fine) {
        ADD_FAILURE() << "colour out of place at " << Where(x, y);
        ++failures;
      }
    }
  }
}

TEST_F(Drawing2x, KeepsTheBlankMarginAtTheRightAndBottom) {
  for (int y = 0; y < 2 * kHeight; ++y) {
    for (int x = 2 * 358; x < 2 * kWidth; ++x) {
      ASSERT_EQ(At(x, y), kWhite) << Where(x, y);
    }
  }
  for (int x = 0; x < 2 * kWidth; ++x) {
    ASSERT_EQ(At(x, 2 * kHeight - 2), kWhite) << Where(x, 2 * kHeight - 2);
    ASSERT_EQ(At(x, 2 * kHeight - 1), kWhite) << Where(x, 2 * kHeight - 1);
  }
}

}  // namespace
}  // namespace flange::drawing_test
