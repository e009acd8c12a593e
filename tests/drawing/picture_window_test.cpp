// Picture2 in the running window: the drawing at its natural size from the
// inside corner of the sunken border, exactly as drawn; unmoved and unchanged
// when the window is resized; the double-resolution drawing, sharp, on a
// screen with two device pixels to a pixel; and the window icon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTest>

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
