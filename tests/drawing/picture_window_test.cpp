// Picture2 in the running window: the drawing at its natural size from the
// inside corner of the sunken border, exactly as drawn; unmoved and unchanged
// when the window is resized; the double-resolution drawing, sharp, on a
// screen with two device pixels to a pixel; and the window icon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "app_icon.hpp"
#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "flange_picture.hpp"
#include "form1.hpp"
#include "image_probe.hpp"
#include "module1.hpp"

namespace flange::drawing_test {
namespace {

using ui::Form1;

// Picture2's place in the window, in pixels at 96 dpi, and the drawing's
// place inside its two-pixel border.
const QRect kPicture2(14, 21, 371, 424);
const QRect kInside(16, 23, kVisibleWidth, kVisibleHeight);

class PictureInWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Module1::Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
  }
  void TearDown() override {
    Form1::Release();
    QCoreApplication::processEvents();
  }
  static Form1& form() { return Form1::Default(); }
  static ui::FlangePicture& picture() { return form().Picture2(); }
  static QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static void ResizeTo(const QSize& size) {
    form().resize(size);
    QTRY_COMPARE_WITH_TIMEOUT(form().size(), size, 2000);
    QCoreApplication::processEvents();
  }
  static QImage Drawing() { return LoadImage(QString::fromLatin1(assets::kDrawingPath)); }
};

TEST_F(PictureInWindow, SitsInASunkenTwoPixelBorderAtItsDesignPlace) {
  EXPECT_EQ(picture().geometry(), kPicture2);
  EXPECT_EQ(picture().frameShadow(), QFrame::Sunken);
  EXPECT_EQ(picture().frameWidth(), 2);
  EXPECT_EQ(picture().contentsRect(), QRect(2, 2, kVisibleWidth, kVisibleHeight));
  EXPECT_EQ(picture().focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

TEST_F(PictureInWindow, ShowsTheDrawingAtItsNaturalSizeExactly) {
  if (form().devicePixelRatioF() != 1.0) {
    GTEST_SKIP() << "a screen with one device pixel to a pixel";
  }
  ASSERT_EQ(form().size(), QSize(780, 541));
  const QImage shot = Grab(form());
  EXPECT_EQ(shot.copy(kInside), Drawing().copy(0, 0, kVisibleWidth, kVisibleHeight));
  // The sunken border is drawn around it: shaded on the left, down to the
  // lighter bottom edge.
  for (int y = kPicture2.top(); y < kInside.bottom(); ++y) {
    EXPECT_NE(shot.pixel(kPicture2.left(), y), kWhite) << "border at row " << y;
    EXPECT_NE(shot.pixel(kPicture2.left() + 1, y), kWhite) << "border at row " << y;
  }
}

TEST_F(PictureInWindow, ResizingTheWindowNeitherMovesNorChangesTheDrawing) {
  if (form().devicePixelRatioF() != 1.0) {
    GTEST_SKIP() << "a screen with one device pixel to a pixel";
  }
  const QImage drawing = Drawing();
  for (const QSize size : {QSize(1100, 760), QSize(300, 250), QSize(780, 541)}) {
    SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
    ResizeTo(size);
    EXPECT_EQ(picture().geometry(), kPicture2);
    const QImage shot = Grab(form());
    const QRect visible = kInside.intersected(shot.rect());
    EXPECT_EQ(shot.copy(visible), drawing.copy(visible.translated(-kInside.topLeft())));
  }
}

TEST_F(PictureInWindow, DoubleDensityScreenShowsTheSharpDoubleResolutionDrawing) {
  if (form().devicePixelRatioF() != 2.0) {
    GTEST_SKIP() << "needs two device pixels to a pixel (QT_SCALE_FACTOR=2)";
  }
  const QPixmap grabbed = form().grab();
  ASSERT_EQ(grabbed.devicePixelRatio(), 2.0);
  const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
  const QRect inside(2 * kInside.left(), 2 * kInside.top(), 2 * kVisibleWidth, 2 * kVisibleHeight);
  const QImage fine = LoadImage(QString::fromLatin1(assets::kDrawing2xPath));
  EXPECT_EQ(shot.copy(inside), fine.copy(0, 0, inside.width(), inside.height()));
  // Not the normal drawing enlarged.
  EXPECT_NE(shot.copy(inside), Drawing()
                                   .scaled(2 * kWidth, 2 * kHeight)
                                   .convertToFormat(QImage::Format_RGB32)
                                   .copy(0, 0, inside.width(), inside.height()));
  // D's dimension line is one device pixel high and pure red all along.
  for (int x = 2 * 60; x <= 2 * 300; ++x) {
    int red_rows = 0;
    for (int y = 2 * kLineD.at - 2; y <= 2 * kLineD.at + 3; ++y) {
      const QRgb c = shot.pixel(inside.left() + x, inside.top() + y);
      ASSERT_TRUE(c == kRed || c == kWhite || (x >= 2 * 170 && x <= 2 * 200))
          << "blurred line at device column " << x;
      red_rows += c == kRed ? 1 : 0;
    }
    ASSERT_EQ(red_rows, 1) << "device column " << x;
  }
  // Resizing leaves it where it is.
  ResizeTo(QSize(900, 640));
  EXPECT_EQ(picture().geometry(), kPicture2);
  EXPECT_EQ(form().grab().toImage().convertToFormat(QImage::Format_RGB32).copy(inside),
            shot.copy(inside));
}

// A line or an arrowhead's place (three pixels from its extension line, one
// pixel either side of its dimension line), in pixels, and its direction.
struct Mark {
  std::string name;
  QRect pixels;
  bool horizontal;
  bool arrow;
};

std::vector<Mark> LinesAndArrows() {
  std::vector<Mark> marks;
  auto add = [&](const std::string& name, const Line& l, int width, bool horizontal) {
    const QRect r = horizontal ? Corners(l.from, l.at - width, l.to, l.at + width)
                               : Corners(l.at - width, l.from, l.at + width, l.to);
    marks.push_back({name + " at " + std::to_string(l.at), r, horizontal, width > 0});
  };
  auto add_all = [&](const auto& lines, const auto& extensions, const auto& arrows, bool h) {
    for (const Line& l : lines) {
      add("dimension line", l, 0, h);
    }
    for (const Extension& e : extensions) {
      add("extension line", e.line, 0, h);
    }
    for (const Arrow& a : arrows) {
      add("arrowhead by " + std::to_string(a.extension),
          {a.dimension.at, a.extension + a.side, a.extension + 3 * a.side}, 1, h);
    }
  };
  add_all(kHorizontalDimensionLines, kHorizontalExtensions, kHorizontalArrows, true);
  add_all(kVerticalDimensionLines, kVerticalExtensions, kVerticalArrows, false);
  for (const Line& l : kCentreLines) {
    add("centre line", l, 0, false);
  }
  return marks;
}

// At the screen's device pixel ratio r every mark shows, one image pixel on
// one device pixel: the drawing's corner on the device pixel nearest the
// inside corner of the border and pixel p on device pixels floor(p * r) to
// floor((p + 1) * r) - 1 from there. Every red pixel of a line in the normal
// drawing holds pure red in its device span; away from other marks a line is
// one or two device pixels of pure red across, not smeared; an arrowhead is
// wider than its line; each letter's ink fills its place.
TEST_F(PictureInWindow, EveryMarkShowsSharpOnTheDeviceGrid) {
  const QPixmap grabbed = form().grab();
  const double r = grabbed.devicePixelRatio();
  SCOPED_TRACE("device pixel ratio " + std::to_string(r));
  const QImage shot = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint origin(qRound(kInside.left() * r), qRound(kInside.top() * r));
  auto device = [&](const QRect& p) {
    auto start = [&](int pixel, int o) { return o + static_cast<int>(pixel * r); };
    return QRect(
        QPoint(start(p.left(), origin.x()), start(p.top(), origin.y())),
        QPoint(start(p.right() + 1, origin.x()) - 1, start(p.bottom() + 1, origin.y()) - 1));
  };
  const QImage normal = Drawing();
  const std::vector<Mark> marks = LinesAndArrows();
  int failures = 0;
  for (const Mark& m : marks) {
    const QRect d = device(m.pixels);
    // Device pixels along and across the mark; the red pixels across it.
    const auto [along0, along1] =
        m.horizontal ? std::pair(d.left(), d.right()) : std::pair(d.top(), d.bottom());
    const auto [from, to] = m.horizontal ? std::pair(m.pixels.left(), m.pixels.right())
                                         : std::pair(m.pixels.top(), m.pixels.bottom());
    const auto [across0, across1] =
        m.horizontal ? std::pair(d.top(), d.bottom()) : std::pair(d.left(), d.right());
    auto red = [&](int along, int across, bool tint) {
      const QRgb c = m.horizontal ? shot.pixel(along, across) : shot.pixel(across, along);
      return c == kRed || (tint && IsRedInk(c));
    };
    auto fail = [&](const std::string& what) {
      if (++failures <= 10) ADD_FAILURE() << m.name << ": " << what;
    };
    if (m.arrow) {
      int lo = across1;
      int hi = across0;
      for (int along = along0; along <= along1; ++along) {
        for (int a = across0; a <= across1; ++a) {
          lo = red(along, a, false) ? std::min(lo, a) : lo;
          hi = red(along, a, false) ? std::max(hi, a) : hi;
        }
      }
      if (hi - lo < 2) fail("no arrowhead");
      continue;
    }
    // The end pixels meet the lines across.
    for (int p = from + 1; p < to; ++p) {
      const QPoint pixel = m.horizontal ? QPoint(p, m.pixels.top()) : QPoint(m.pixels.left(), p);
      if (normal.pixel(pixel) != kRed) {
        continue;  // a centre line's gap, or where it passes behind the body
      }
      const QRect near = QRect(pixel, pixel).adjusted(-3, -3, 3, 3);
      const bool crossed =
          std::any_of(marks.begin(), marks.end(),
                      [&](const Mark& o) { return &o != &m && o.pixels.intersects(near); }) ||
          std::any_of(kLetters.begin(), kLetters.end(),
                      [&](const LetterPlace& l) { return LetterWindow(l).intersects(near); });
      const QRect span = device(QRect(pixel, pixel));
      for (int along = m.horizontal ? span.left() : span.top();
           along <= (m.horizontal ? span.right() : span.bottom()); ++along) {
        int pure = 0;
        int ink = 0;
        for (int a = across0 - 3; a <= across1 + 3; ++a) {
          pure += red(along, a, false) && a >= across0 && a <= across1 ? 1 : 0;
          ink += red(along, a, true) ? 1 : 0;
        }
        if (pure == 0) fail("missing at pixel " + std::to_string(p));
        if (!crossed && (ink > 2 || ink > pure)) fail("smeared at pixel " + std::to_string(p));
      }
    }
  }
  for (const LetterPlace& place : kLetters) {
    const std::optional<QRect> ink = InkBox(shot, device(LetterWindow(place)), IsRedInk);
    const QRect want = device(place.box);
    const double tol = kLetterTolerance * r;
    auto near = [tol](int a, int b) { return std::abs(a - b) <= tol; };
    EXPECT_TRUE(
        ink && near(ink->top(), want.top()) && near(ink->bottom(), want.bottom()) &&
        (place.centred || (near(ink->left(), want.left()) && near(ink->right(), want.right()))))
        << "letter " << place.letter;
  }
  EXPECT_TRUE(InkBox(shot, device(kTitleWindow), IsBlueInk).has_value()) << "title";
  EXPECT_EQ(failures, 0);
}

TEST_F(PictureInWindow, WindowCarriesTheIconInEverySize) {
  const QList<QSize> sizes = form().windowIcon().availableSizes();
  for (int size : assets::kIconSizes) {
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  }
}

QImage Argb(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ApplicationIcon, GivesEachSizeItsOwnPicture) {
  if (qApp->devicePixelRatio() != 1.0) {
    // There the @2x file joins the 24-pixel entry and Qt may scale it down.
    GTEST_SKIP() << "a screen with one device pixel to a pixel";
  }
  const QIcon icon = ui::ApplicationIcon();
  for (int size : assets::kIconSizes) {
    const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
    EXPECT_EQ(Argb(pixmap), LoadImage(assets::IconPath(size))) << size;
  }
}

TEST(ApplicationIcon, OnADoubleDensityScreenTakesTheDoubleResolutionIcon) {
  const QIcon icon = ui::ApplicationIcon();
  const int size = assets::kWindowIconSize;
  const QPixmap pixmap = icon.pixmap(QSize(size, size), 2.0);
  EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(size, size));
  EXPECT_EQ(Argb(pixmap), LoadImage(assets::WindowIcon2xPath()));
}

}  // namespace
}  // namespace flange::drawing_test
