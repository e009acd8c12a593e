// flange-draw: draws the flange section drawing and the window icon and
// writes them as PNG files into the assets folder given on the command line.
// The program is run by hand when the drawing changes; the build only uses
// the committed files.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "app_icon_art.hpp"
#include "flange_assets.hpp"
#include "flange_figure.hpp"

namespace {

void Save(const QImage& image, const QDir& dir, const QString& name) {
  QImageWriter writer(dir.filePath(name), "png");
  // Quality 0 asks for the strongest compression: the images are mostly
  // flat colour and shrink to a few kilobytes.
  writer.setQuality(0);
  if (!writer.write(image)) {
    throw std::runtime_error("cannot write " + dir.filePath(name).toStdString() + ": " +
                             writer.errorString().toStdString());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fputs("usage: flange-draw ASSETS_DIR\n", stderr);
    return 2;
  }
  try {
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("icon"))) {
      throw std::runtime_error("cannot create " + dir.filePath("icon").toStdString());
    }
    for (const flange::assets::DrawingFile& drawing : flange::assets::kDrawings) {
      Save(flange::draw::DrawFlangeFigure(drawing.scale), dir,
           QFileInfo(QString::fromLatin1(drawing.path)).fileName());
    }
    for (int size : flange::draw::kIconSizes) {
      Save(flange::draw::DrawAppIcon(size), dir,
           QStringLiteral("icon/flange_icon_%1.png").arg(size));
    }
    Save(flange::draw::DrawAppIcon(2 * flange::draw::kWindowIconSize), dir,
         QStringLiteral("icon/flange_icon_%1@2x.png").arg(flange::draw::kWindowIconSize));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "flange-draw: %s\n", error.what());
    return 1;
  }
  return 0;
}
