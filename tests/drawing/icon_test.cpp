// The window icon files: every size desktops ask for, 8-bit indexed, sharp
// (opaque or clear, in the drawing's colours) on a clear background, the red
// centre lines crossing in the bore, a blue rim one pixel wide up to 64 pixels,
// and the 24-pixel icon at double resolution the same as the 48-pixel one.
#include <gtest/gtest.h>

#include <QImageReader>

#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

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
