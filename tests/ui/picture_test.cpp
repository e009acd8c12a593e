// Picture2 in the running window: the drawing at its natural size from the
// inside corner of the sunken border, exactly as drawn and unmoved when the
// window is resized; at every device pixel ratio the drawing made for it,
// each mark sharp on the device pixel grid; and the window icon.
#include <QIcon>
#include <QPixmap>
#include <algorithm>

#include "app_icon.hpp"
#include "drawing_facts.hpp"
#include "flange_assets.hpp"
#include "flange_picture.hpp"
#include "image_probe.hpp"
#include "window_fixture.hpp"

using namespace flange::drawing_test;
using namespace flange::ui::testing;
namespace assets = flange::assets;

namespace {

// The drawing's place inside Picture2's two-pixel border, in the window.
const QRect kInside(16, 23, kVisibleWidth, kVisibleHeight);

QImage Shot(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}
QImage Drawing() {
  return LoadImage(QString::fromLatin1(assets::kDrawingPath));
}

// A line or an arrowhead's place (three pixels from its extension line, one
// pixel either side of its dimension line), in pixels, and its direction.
struct Mark {
  QString name;
  QRect pixels;
  bool horizontal;
  bool arrow;
};

std::vector<Mark> LinesAndArrows() {
  std::vector<Mark> marks;
  auto add = [&](const QString& name, const Line& l, int width, bool horizontal) {
    const QRect r = horizontal ? Corners(l.from, l.at - width, l.to, l.at + width)
                               : Corners(l.at - width, l.from, l.at + width, l.to);
    marks.push_back({QStringLiteral("%1 at %2").arg(name).arg(l.at), r, horizontal, width > 0});
  };
  auto addAll = [&](const auto& lines, const auto& extensions, const auto& arrows, bool h) {
    for (const Line& l : lines) {
      add("dimension line", l, 0, h);
    }
    for (const Extension& e : extensions) {
      add("extension line", e.line, 0, h);
    }
    for (const Arrow& a : arrows) {
      add(QStringLiteral("arrowhead by %1").arg(a.extension),
          {a.dimension.at, a.extension + a.side, a.extension + 3 * a.side}, 1, h);
    }
  };
  addAll(kHorizontalDimensionLines, kHorizontalExtensions, kHorizontalArrows, true);
  addAll(kVerticalDimensionLines, kVerticalExtensions, kVerticalArrows, false);
  for (const Line& l : kCentreLines) {
    add("centre line", l, 0, false);
  }
  return marks;
}

}  // namespace

class PictureTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { Stop(); }

  // At one device pixel to a pixel: the drawing exactly, in every window size.
  void showsTheDrawingExactlyWhateverTheWindowSize() {
    if (Window().devicePixelRatioF() != 1.0) {
      QSKIP("a screen with one device pixel to a pixel");
    }
    QCOMPARE(Window().Picture2().contentsRect(), QRect(2, 2, kVisibleWidth, kVisibleHeight));
    const QImage drawing = Drawing();
    for (const QSize size : {QSize(780, 541), QSize(1100, 760), QSize(300, 250)}) {
      Window().resize(size);
      QTRY_COMPARE(Window().size(), size);
      const QImage shot = Shot(Window().grab());
      const QRect visible = kInside.intersected(shot.rect());
      QCOMPARE(shot.copy(visible), drawing.copy(visible.translated(-kInside.topLeft())));
    }
  }

  // At device pixel ratio r every mark shows, one image pixel on one device
  // pixel: the drawing's corner on the device pixel nearest the inside corner
  // of the border and pixel p on device pixels floor(p * r) to
  // floor((p + 1) * r) - 1 from there. Every red pixel of a line in the normal
  // drawing holds pure red in its device span; away from other marks a line is
  // one or two device pixels of pure red across, not smeared; an arrowhead is
  // wider than its line; each letter's ink fills its place.
  void everyMarkShowsSharpOnTheDeviceGrid() {
    const QPixmap grabbed = Window().grab();
    const double r = grabbed.devicePixelRatio();
    const QImage shot = Shot(grabbed);
    const QPoint origin(qRound(kInside.left() * r), qRound(kInside.top() * r));
    auto device = [&](const QRect& p) {
      auto start = [&](int pixel, int o) { return o + static_cast<int>(pixel * r); };
      return QRect(
          QPoint(start(p.left(), origin.x()), start(p.top(), origin.y())),
          QPoint(start(p.right() + 1, origin.x()) - 1, start(p.bottom() + 1, origin.y()) - 1));
    };
    const QImage normal = Drawing();
    const std::vector<Mark> marks = LinesAndArrows();
    QStringList failures;
    for (const Mark& m : marks) {
      const QRect d = device(m.pixels);
      const auto [along0, along1] =
          m.horizontal ? std::pair(d.left(), d.right()) : std::pair(d.top(), d.bottom());
      const auto [across0, across1] =
          m.horizontal ? std::pair(d.top(), d.bottom()) : std::pair(d.left(), d.right());
      auto red = [&](int along, int across, bool tint) {
        const QRgb c = m.horizontal ? shot.pixel(along, across) : shot.pixel(across, along);
        return c == kRed || (tint && IsRedInk(c));
      };
      if (m.arrow) {
        int lo = across1;
        int hi = across0;
        for (int along = along0; along <= along1; ++along) {
          for (int a = across0; a <= across1; ++a) {
            lo = red(along, a, false) ? std::min(lo, a) : lo;
            hi = red(along, a, false) ? std::max(hi, a) : hi;
          }
        }
        if (hi - lo < 2) failures << m.name + ": no arrowhead";
        continue;
      }
      const auto [from, to] = m.horizontal ? std::pair(m.pixels.left(), m.pixels.right())
                                           : std::pair(m.pixels.top(), m.pixels.bottom());
      for (int p = from + 1; p < to; ++p) {
        const QPoint pixel = m.horizontal ? QPoint(p, m.pixels.top()) : QPoint(m.pixels.left(), p);
        if (normal.pixel(pixel) != kRed) {
          continue;  // a centre line's gap, or where it passes behind the body
        }
        const QRect near = QRect(pixel, pixel).adjusted(-3, -3, 3, 3);
        const bool crossed =
            std::any_of(marks.begin(), marks.end(),
                        [&](const Mark& o) { return &o != &m && o.pixels.intersects(near); }) ||
            std::any_of(kLetters.begin(), kLetters.end(),
                        [&](const LetterPlace& l) { return LetterWindow(l).intersects(near); });
        const QRect span = device(QRect(pixel, pixel));
        for (int along = m.horizontal ? span.left() : span.top();
             along <= (m.horizontal ? span.right() : span.bottom()); ++along) {
          int pure = 0;
          int ink = 0;
          for (int a = across0 - 3; a <= across1 + 3; ++a) {
            pure += red(along, a, false) && a >= across0 && a <= across1 ? 1 : 0;
            ink += red(along, a, true) ? 1 : 0;
          }
          if (pure == 0) failures << QStringLiteral("%1: missing at pixel %2").arg(m.name).arg(p);
          if (!crossed && (ink > 2 || ink > pure)) {
            failures << QStringLiteral("%1: smeared at pixel %2").arg(m.name).arg(p);
          }
        }
      }
    }
    for (const LetterPlace& place : kLetters) {
      const std::optional<QRect> ink = InkBox(shot, device(LetterWindow(place)), IsRedInk);
      const QRect want = device(place.box);
      auto near = [&](int a, int b) { return std::abs(a - b) <= kLetterTolerance * r; };
      if (!ink || !near(ink->top(), want.top()) || !near(ink->bottom(), want.bottom()) ||
          (!place.centred &&
           (!near(ink->left(), want.left()) || !near(ink->right(), want.right())))) {
        failures << QStringLiteral("letter %1").arg(place.letter);
      }
    }
    if (!InkBox(shot, device(kTitleWindow), IsBlueInk)) failures << "title";
    QVERIFY2(failures.isEmpty(),
             qPrintable(QStringLiteral("at ratio %1: ").arg(r) + failures.mid(0, 10).join("; ")));
  }

  // The window carries every size of the icon, and a double density screen
  // takes the double-resolution picture.
  void theWindowCarriesTheIconInEverySize() {
    const QList<QSize> sizes = Window().windowIcon().availableSizes();
    for (int size : assets::kIconSizes) {
      QVERIFY(sizes.contains(QSize(size, size)));
    }
    const QPixmap pixmap = flange::ui::ApplicationIcon().pixmap(
        QSize(assets::kWindowIconSize, assets::kWindowIconSize), 2.0);
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
             LoadImage(assets::WindowIcon2xPath()));
  }
};

FLANGE_WINDOW_TEST_MAIN(PictureTest)
#include "picture_test.moc"
