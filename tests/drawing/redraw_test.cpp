// The committed images are what flange-draw draws today: a change to the
// drawing code must come with the redrawn files, and the files must not be
// edited by hand. The drawing is skipped where its fonts are not installed.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app_icon_art.hpp"
#include "flange_assets.hpp"
#include "flange_figure.hpp"
#include "image_probe.hpp"

namespace flange::drawing_test {
namespace {

// The 24-pixel icon at double resolution is the 48-pixel one (checked with
// the icon files).
TEST(Redraw, GivesTheCommittedDrawingAtEveryScaleAndTheIcons) {
  for (int size : assets::kIconSizes) {
    EXPECT_EQ(draw::DrawAppIcon(size).convertToFormat(QImage::Format_ARGB32),
              LoadImage(assets::IconPath(size)))
        << size;
  }
  const QStringList missing = draw::MissingFigureFonts();
  if (!missing.isEmpty()) {
    GTEST_SKIP() << "fonts not installed: " << missing.join(QStringLiteral(", ")).toStdString();
  }
  for (const assets::DrawingFile& file : assets::kDrawings) {
    EXPECT_EQ(draw::DrawFlangeFigure(file.scale).convertToFormat(QImage::Format_RGB32),
              LoadImage(QString::fromLatin1(file.path)))
        << file.path;
  }
}

}  // namespace
}  // namespace flange::drawing_test

// Fonts need a QGuiApplication: on the offscreen platform unless the
// environment names another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
