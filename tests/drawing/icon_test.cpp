// The window icon files: every size desktops ask for, in at most 256 colours
// with a transparent background, sharp (no partly transparent or blended
// pixels), and the 24-pixel icon again at double resolution from the same
// shapes.
#include <gtest/gtest.h>

#include <QImageReader>

#include <set>

#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

const std::set<QRgb> kIconColours = {kWhite, kLightBlue, kRed, kBlue};

void ExpectSharpIcon(const QImage& icon) {
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      const QRgb c = icon.pixel(x, y);
      if (qAlpha(c) == 0) {
        continue;
      }
      ASSERT_EQ(qAlpha(c), 255) << "partly transparent at " << x << "," << y;
      ASSERT_TRUE(kIconColours.count(qRgb(qRed(c), qGreen(c), qBlue(c))) == 1)
          << "blended colour at " << Describe(icon, x, y).toStdString();
    }
  }
}

// The outline seen along the middle row from the left: the first opaque
// pixels are blue, as many as the outline is wide, then light blue.
int OutlineWidth(const QImage& icon) {
  const int y = icon.height() / 2 - 1;
  int x = 0;
  while (x < icon.width() && qAlpha(icon.pixel(x, y)) == 0) {
    ++x;
  }
  int width = 0;
  while (x < icon.width() && icon.pixel(x, y) == kBlue) {
    ++width;
    ++x;
  }
  return x < icon.width() && icon.pixel(x, y) == kLightBlue ? width : -1;
}

TEST(WindowIconFiles, EverySizeIsThereInAtMost256Colours) {
  for (int size : assets::kIconSizes) {
    SCOPED_TRACE(size);
    QImageReader reader(assets::IconPath(size));
    EXPECT_EQ(reader.size(), QSize(size, size));
    EXPECT_EQ(reader.imageFormat(), QImage::Format_Indexed8);
    const QImage icon = reader.read();
    ASSERT_FALSE(icon.isNull());
    EXPECT_LE(icon.colorCount(), 256);
  }
}

TEST(WindowIconFiles, AreSharpOnATransparentBackground) {
  for (int size : assets::kIconSizes) {
    SCOPED_TRACE(size);
    const QImage icon = LoadImage(assets::IconPath(size));
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 4)), 255);
    // The red centre lines cross in the white bore.
    EXPECT_EQ(icon.pixel(size / 2, size / 2), kRed);
    ExpectSharpIcon(icon);
    EXPECT_EQ(OutlineWidth(icon), size <= 64 ? 1 : size / 48 + (size % 48 >= 24 ? 1 : 0));
  }
}

TEST(WindowIconFiles, DoubleResolutionIconHasOneDevicePixelOutlines) {
  QImageReader reader(assets::WindowIcon2xPath());
  EXPECT_EQ(reader.size(), QSize(2 * assets::kWindowIconSize, 2 * assets::kWindowIconSize));
  const QImage fine = LoadImage(assets::WindowIcon2xPath());
  const QImage normal = LoadImage(assets::IconPath(assets::kWindowIconSize));
  ExpectSharpIcon(fine);
  EXPECT_EQ(OutlineWidth(fine), 1);
  EXPECT_EQ(OutlineWidth(normal), 1);
  // Drawn from the same shapes: the opaque area is the same to within the
  // pixels along the rim.
  int normal_area = 0;
  int fine_area = 0;
  for (int y = 0; y < fine.height(); ++y) {
    for (int x = 0; x < fine.width(); ++x) {
      fine_area += qAlpha(fine.pixel(x, y)) != 0 ? 1 : 0;
      normal_area += qAlpha(normal.pixel(x / 2, y / 2)) != 0 ? 1 : 0;
    }
  }
  EXPECT_NEAR(fine_area, normal_area, normal_area / 20);
  // Not the 24-pixel icon enlarged: some 2 x 2 blocks are not of one colour.
  int mixed = 0;
  for (int y = 0; y < fine.height(); y += 2) {
    for (int x = 0; x < fine.width(); x += 2) {
      const QRgb c = fine.pixel(x, y);
      mixed +=
          fine.pixel(x + 1, y) != c || fine.pixel(x, y + 1) != c || fine.pixel(x + 1, y + 1) != c
              ? 1
              : 0;
    }
  }
  EXPECT_GE(mixed, 20);
  // The 48-pixel icon is the same picture.
  EXPECT_EQ(LoadImage(assets::IconPath(48)), fine);
}

}  // namespace
}  // namespace flange::drawing_test
