#include "forms/form.hpp"

#include <QScreen>

namespace flange::ui::forms {

void Place(QWidget& control, const TwipRect& twips) {
  control.setGeometry(TwipsToPixels(twips.left), TwipsToPixels(twips.top),
                      TwipsToPixels(twips.width), TwipsToPixels(twips.height));
}

Form::Form(int clientWidthTwips, int clientHeightTwips) : QWidget(nullptr, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  resize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

void Form::Show() {
  const bool first = !shownBefore_;
  if (first) {
    shownBefore_ = true;
    move(screen()->availableGeometry().center() - rect().center());
  }
  show();
  activateWindow();
  if (first) {
    setWindowIcon(Icon());
  }
}

}  // namespace flange::ui::forms
