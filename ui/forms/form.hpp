// A top-level window laid out in twips (1/1440 inch): an ordinary resizable
// window with the system menu and minimize and maximize boxes, whose controls
// keep their positions and sizes whatever its size (nothing is laid out
// again). Each control is measured from the inside top-left corner of its
// container; at 96 dpi 15 twips make one logical pixel.
#pragma once

#include <QIcon>
#include <QWidget>

namespace flange::ui::forms {

// Not every size of the layout is a whole number of pixels (828 twips are
// 55.2 px), so each value is rounded to the nearest pixel on its own.
constexpr int TwipsToPixels(int twips) {
  return (twips + 7) / 15;
}

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Places a control in its container at a position and size given in twips.
void Place(QWidget& control, const TwipRect& twips);

class Form : public QWidget {
 public:
  // The client area's size in twips.
  Form(int clientWidthTwips, int clientHeightTwips);

  // Shows the window modeless and without owner, and returns at once. The
  // first time, the window is centred on its screen and made the active
  // window, so the focus is in its first control even where no window
  // manager activates new windows.
  void Show();

 protected:
  // The window's icon. It is given to the window once the window is on
  // screen: window managers take an icon whenever it changes, and loading
  // every size of it and handing it to the display beforehand would hold up
  // the window's first appearance.
  virtual QIcon Icon() const { return {}; }

 private:
  bool shownBefore_ = false;
};

}  // namespace flange::ui::forms
