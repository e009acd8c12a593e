// flange-draw: draws the flange section drawing and the window icon and
// writes them as PNG files into the assets folder given on the command line.
// The program is run by hand when the drawing changes; the build only uses
// the committed files.
#include <QDir>
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

// The file under the assets folder that the program reads as `resource`.
QString FileOf(const QString& resource) {
  return resource.sliced(QStringLiteral(":/assets/").size());
}

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
  namespace assets = flange::assets;
  namespace draw = flange::draw;
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
    for (const assets::DrawingFile& drawing : assets::kDrawings) {
      Save(draw::DrawFlangeFigure(drawing.scale), dir, FileOf(QString::fromLatin1(drawing.path)));
    }
    for (int size : assets::kIconSizes) {
      Save(draw::DrawAppIcon(size), dir, FileOf(assets::IconPath(size)));
    }
    Save(draw::DrawAppIcon(2 * assets::kWindowIconSize), dir, FileOf(assets::WindowIcon2xPath()));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "flange-draw: %s\n", error.what());
    return 1;
  }
  return 0;
}
