#include "flange_picture.hpp"

#include <QPainter>

#include "flange_assets.hpp"

namespace flange::ui {

FlangePicture::FlangePicture(QWidget* parent)
    : QFrame(parent),
      drawing_(QString::fromLatin1(assets::kDrawingPath)),
      drawing2x_(QString::fromLatin1(assets::kDrawing2xPath)) {
  // The classic two-pixel sunken border of a picture box.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setFocusPolicy(Qt::StrongFocus);
  drawing2x_.setDevicePixelRatio(2.0);
}

QSize FlangePicture::sizeHint() const {
  const int border = 2 * frameWidth();
  return QSize(assets::kDrawingWidth + border, assets::kDrawingHeight + border);
}

void FlangePicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  const QPixmap& drawing = devicePixelRatioF() > 1.0 ? drawing2x_ : drawing_;
  painter.drawPixmap(contentsRect().topLeft(), drawing);
}

}  // namespace flange::ui
