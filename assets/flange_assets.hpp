// The images compiled into the program: the flange drawing shown in `Picture2`
// and the window icon, addressed by their resource paths.
#pragma once

#include <QRgb>
#include <QString>

#include <array>

namespace flange::assets {

// The drawing, made for each of these device pixel ratios (device pixels to a
// logical pixel), coarsest first: at ratio s it is floor(376 * s) x
// floor(421 * s) device pixels, shown one image pixel to one device pixel.
struct DrawingFile {
  double scale;
  const char* path;
};
inline constexpr std::array<DrawingFile, 7> kDrawings = {{
    {1.0, ":/assets/flange.png"},
    {1.25, ":/assets/flange@1.25x.png"},
    {1.5, ":/assets/flange@1.5x.png"},
    {1.75, ":/assets/flange@1.75x.png"},
    {2.0, ":/assets/flange@2x.png"},
    {2.5, ":/assets/flange@2.5x.png"},
    {3.0, ":/assets/flange@3x.png"},
}};
// The drawing at its natural size, one image pixel to one logical pixel, and
// the one for two device pixels to a logical pixel.
inline constexpr const char* kDrawingPath = kDrawings[0].path;
inline constexpr const char* kDrawing2xPath = kDrawings[4].path;
// The drawing's size in pixels at ratio 1: the generator draws it, the window
// sizes Picture2 by it.
inline constexpr int kDrawingWidth = 376;
inline constexpr int kDrawingHeight = 421;

// The colours of the drawing and of the window icon: white background, light
// blue for the cut material, red for dimensions, centre lines and letters, and
// blue for the title and the icon's rim.
inline constexpr QRgb kBackground = qRgb(255, 255, 255);
inline constexpr QRgb kCutMaterial = qRgb(127, 191, 255);
inline constexpr QRgb kDimensionRed = qRgb(255, 0, 0);
inline constexpr QRgb kTitleBlue = qRgb(0, 0, 255);

// The window icon is FLANGE_WINDOW_ICON_SIZE pixels square and also has a
// double-resolution file ("@2x"); the other sizes are for desktops that show
// larger or smaller icons. Both come from the list in CMakeLists.txt, which
// also names the resource files and the installed icons.
inline constexpr int kWindowIconSize = FLANGE_WINDOW_ICON_SIZE;
inline constexpr std::array kIconSizes = {FLANGE_ICON_SIZES};

// ":/assets/icon/flange_icon_<size>.png"
QString IconPath(int size);
// ":/assets/icon/flange_icon_24@2x.png"
QString WindowIcon2xPath();

}  // namespace flange::assets
