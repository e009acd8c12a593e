// The window icon: the flange seen from its face, in the drawing's colours:
// a light-blue plate with a blue rim, eight white bolt holes, and the white
// bore with the red centre lines crossing in it.
#pragma once

#include <QImage>

namespace flange::draw {

// The icon at `size` x `size` pixels, 8-bit indexed with a transparent
// background. The shapes are laid out on a 24-pixel design grid and drawn
// without antialiasing; outlines stay one pixel wide up to 64 pixels, so the
// 48-pixel icon is the 24-pixel one at double resolution.
QImage DrawAppIcon(int size);

}  // namespace flange::draw
