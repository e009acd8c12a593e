#include "forms/form.hpp"

#include <QScreen>

namespace flange::ui::forms {

Form::Form(int clientWidthTwips, int clientHeightTwips) : QWidget(nullptr, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  resize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
}

void Form::Show() {
  const bool first = !shownBefore_;
  if (first) {
    shownBefore_ = true;
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
  }
  show();
  activateWindow();
  if (first) {
    setWindowIcon(Icon());
  }
}

void Place(QWidget& control, const TwipRect& twips) {
  control.setGeometry(ToPixels(twips));
}

}  // namespace flange::ui::forms
