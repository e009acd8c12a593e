// The committed images are what flange-draw draws today: a change to the
// drawing code must come with the redrawn files, and the files must not be
// edited by hand. Skipped where the fonts of the letters are not installed.
#include <gtest/gtest.h>

#include "app_icon_art.hpp"
#include "flange_assets.hpp"
#include "flange_figure.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

TEST(Redraw, GivesTheCommittedDrawingAtBothResolutions) {
  const QStringList missing = draw::MissingFigureFonts();
  if (!missing.isEmpty()) {
    GTEST_SKIP() << "fonts not installed: " << missing.join(QStringLiteral(", ")).toStdString();
  }
  EXPECT_EQ(draw::DrawFlangeFigure(1).convertToFormat(QImage::Format_RGB32),
            LoadImage(QString::fromLatin1(assets::kDrawingPath)));
  EXPECT_EQ(draw::DrawFlangeFigure(2).convertToFormat(QImage::Format_RGB32),
            LoadImage(QString::fromLatin1(assets::kDrawing2xPath)));
}

TEST(Redraw, GivesTheCommittedIcons) {
  for (int size : assets::kIconSizes) {
    EXPECT_EQ(draw::DrawAppIcon(size).convertToFormat(QImage::Format_ARGB32),
              LoadImage(assets::IconPath(size)))
        << size;
  }
  EXPECT_EQ(draw::DrawAppIcon(2 * assets::kWindowIconSize).convertToFormat(QImage::Format_ARGB32),
            LoadImage(assets::WindowIcon2xPath()));
}

}  // namespace
}  // namespace flange::drawing_test
