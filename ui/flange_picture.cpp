#include "flange_picture.hpp"

#include <QPainter>

#include "flange_assets.hpp"

namespace flange::ui {

FlangePicture::FlangePicture(QWidget* parent) : QFrame(parent) {
  // The classic two-pixel sunken border of a picture box.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setFocusPolicy(Qt::StrongFocus);
}

QSize FlangePicture::sizeHint() const {
  const int border = 2 * frameWidth();
  return QSize(assets::kDrawingWidth + border, assets::kDrawingHeight + border);
}

void FlangePicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  const bool sharp = devicePixelRatioF() > 1.0;
  QPixmap& drawing = sharp ? drawing2x_ : drawing_;
  if (drawing.isNull()) {
    drawing.load(QString::fromLatin1(sharp ? assets::kDrawing2xPath : assets::kDrawingPath));
    drawing.setDevicePixelRatio(sharp ? 2.0 : 1.0);
  }
  painter.drawPixmap(contentsRect().topLeft(), drawing);
}

}  // namespace flange::ui
