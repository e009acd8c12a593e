// A top-level window laid out in twips: an ordinary resizable window with the
// system menu and minimize and maximize boxes, whose controls keep their
// positions and sizes whatever its size (nothing is laid out again).
#pragma once

#include <QIcon>
#include <QWidget>

#include "forms/twips.hpp"

namespace flange::ui::forms {

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

// Places a control in its container at a position and size given in twips.
void Place(QWidget& control, const TwipRect& twips);

}  // namespace flange::ui::forms
