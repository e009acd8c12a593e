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
  // The drawing in device pixels for the device pixel ratio it was made
  // for. It is decoded when first painted, so start-up decodes none and a
  // screen loads only its own; a window moved to a screen of another ratio
  // loads again.
  QPixmap drawing_;
  qreal drawingRatio_ = 0.0;
};

}  // namespace flange::ui
