#include "flange_picture.hpp"

#include <QImage>
#include <QPainter>
#include <QtMath>

#include "flange_assets.hpp"

namespace flange::ui {
namespace {

// The drawing for `ratio` device pixels to a logical pixel, in device pixels.
// Each listed ratio has a drawing of its own, with hairlines and letters made
// for that pixel grid. A ratio between two is served by the next finer
// drawing scaled down smoothly, and one beyond the finest by the finest
// scaled up, so that no line is dropped.
QPixmap DrawingForRatio(qreal ratio) {
  const assets::DrawingFile* chosen = &assets::kDrawings.back();
  for (const assets::DrawingFile& file : assets::kDrawings) {
    if (file.scale >= ratio - 1e-6) {
      chosen = &file;
      break;
    }
  }
  QImage image(QString::fromLatin1(chosen->path));
  if (qAbs(chosen->scale - ratio) > 1e-6) {
    const QSize device(qFloor(assets::kDrawingWidth * ratio),
                       qFloor(assets::kDrawingHeight * ratio));
    image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

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
  const qreal ratio = devicePixelRatioF();
  if (drawing_.isNull() || drawingRatio_ != ratio) {
    drawing_ = DrawingForRatio(ratio);
    drawingRatio_ = ratio;
  }
  QPainter painter(this);
  // At a fractional ratio the inside corner falls between device pixels, and
  // a drawing placed there would be resampled, losing or smearing its
  // one-pixel lines. Its corner goes to the nearest device pixel instead, and
  // each image pixel covers exactly one device pixel.
  const QTransform toDevice = painter.deviceTransform();
  const QTransform fromDevice = toDevice.inverted();
  const QRectF inside = toDevice.mapRect(QRectF(contentsRect()));
  const QPointF topLeft(qRound(inside.left()), qRound(inside.top()));
  const QPointF bottomRight(qRound(inside.right()), qRound(inside.bottom()));
  painter.setClipRect(fromDevice.mapRect(QRectF(topLeft, bottomRight)));
  painter.drawPixmap(fromDevice.map(topLeft), drawing_);
}

}  // namespace flange::ui
