// Picture2 shows the drawing made for the screen's device pixel ratio, one
// image pixel on one device pixel, from the device pixel nearest the inside
// corner of its border: the window's device pixels there are the image's.
#include "flange_picture.hpp"
#include "window_fixture.hpp"

using namespace flange::ui::testing;

class PictureTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { Stop(); }

  void showsTheDrawingMadeForTheRatio() {
    const QPixmap grabbed = Window().grab();
    const qreal r = grabbed.devicePixelRatio();
    const QString suffix = r == 1.0 ? QString() : QStringLiteral("@%1x").arg(r);
    const QImage drawing(QStringLiteral(":/assets/flange%1.png").arg(suffix));
    QVERIFY2(!drawing.isNull(), qPrintable(suffix));
    const flange::ui::FlangePicture& box = Window().Picture2();
    const QRect inside = box.contentsRect().translated(box.pos());
    auto device = [r](int pixel) { return qRound(pixel * r); };
    const QRect shown(QPoint(device(inside.left()), device(inside.top())),
                      QPoint(device(inside.right() + 1) - 1, device(inside.bottom() + 1) - 1));
    auto pixels = [](const QImage& image, const QRect& part) {
      QImage copy = image.convertToFormat(QImage::Format_RGB32).copy(part);
      copy.setDevicePixelRatio(1.0);
      return copy;
    };
    QCOMPARE(pixels(grabbed.toImage(), shown), pixels(drawing, QRect({0, 0}, shown.size())));
  }
};

FLANGE_WINDOW_TEST_MAIN(PictureTest)
#include "picture_test.moc"
