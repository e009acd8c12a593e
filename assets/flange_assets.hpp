// The images compiled into the program: the flange drawing shown in `Picture2`
// and the window icon, addressed by their resource paths.
#pragma once

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
inline constexpr int kDrawingWidth = 376;
inline constexpr int kDrawingHeight = 421;

// The window icon is 24 pixels square; the other sizes are for desktops that
// show larger or smaller icons. The 24-pixel icon also has a double-resolution
// file ("@2x").
inline constexpr int kWindowIconSize = 24;
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// ":/assets/icon/flange_icon_<size>.png"
QString IconPath(int size);
// ":/assets/icon/flange_icon_24@2x.png"
QString WindowIcon2xPath();

}  // namespace flange::assets
