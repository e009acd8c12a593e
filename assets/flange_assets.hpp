// The images compiled into the program: the flange drawing shown in `Picture2`
// and the window icon, addressed by their resource paths.
#pragma once

#include <QString>

#include <array>

namespace flange::assets {

// The drawing at its natural size, one image pixel to one logical pixel, and
// the same drawing for screens with two device pixels to a logical pixel.
inline constexpr char kDrawingPath[] = ":/assets/flange.png";
inline constexpr char kDrawing2xPath[] = ":/assets/flange@2x.png";
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
