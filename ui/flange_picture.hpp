// Picture2: the sunken, focusable box that shows the flange drawing at its
// natural size from the inside top-left corner. The drawing is never scaled
// or moved: a box smaller than the drawing shows its top-left part, a larger
// one white around it.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace flange::ui {

class FlangePicture : public QFrame {
 public:
  explicit FlangePicture(QWidget* parent = nullptr);

  // The drawing plus the border: the size at which all of it shows.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // One drawing for ordinary screens and one with twice the pixels for
  // screens with two device pixels to a logical pixel, so that lines and
  // letters stay sharp instead of being enlarged. Each is decoded when first
  // painted, so start-up decodes neither and a screen loads only its own.
  QPixmap drawing_;
  QPixmap drawing2x_;
};

}  // namespace flange::ui
