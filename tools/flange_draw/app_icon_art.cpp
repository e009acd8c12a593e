#include "app_icon_art.hpp"

#include <QVector>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "flange_assets.hpp"

namespace flange::draw {
namespace {

// What a pixel shows; the values are the palette indices of the image.
enum Ink : unsigned char { kClear, kMaterial, kOutline, kBore, kCentreLine, kBoltHole };

constexpr double kDesignSize = 24.0;
constexpr double kCentre = 12.0;
constexpr double kPlateRadius = 11.0;
constexpr double kBoreRadius = 3.5;
constexpr double kBoltCircleRadius = 8.25;
constexpr double kBoltHoleRadius = 1.5;
constexpr int kBoltHoles = 8;

class IconGrid {
 public:
  explicit IconGrid(int size) : size_(size), ink_(static_cast<size_t>(size * size), kClear) {}

  int size() const { return size_; }

  Ink At(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_ || y >= size_) {
      return kClear;
    }
    return ink_[static_cast<size_t>(y * size_ + x)];
  }
  void Set(int x, int y, Ink ink) { ink_[static_cast<size_t>(y * size_ + x)] = ink; }

  // Distance of a pixel's centre from a point of the design, in design units.
  double DistanceTo(int x, int y, double cx, double cy) const {
    const double unit = kDesignSize / size_;
    return std::hypot((x + 0.5) * unit - cx, (y + 0.5) * unit - cy);
  }

 private:
  int size_;
  std::vector<Ink> ink_;
};

// A pixel belongs to a shape when its centre does, so edges are whole pixels.
void DrawPlate(IconGrid& grid) {
  constexpr double kPi = 3.14159265358979323846;
  for (int y = 0; y < grid.size(); ++y) {
    for (int x = 0; x < grid.size(); ++x) {
      const double r = grid.DistanceTo(x, y, kCentre, kCentre);
      if (r > kPlateRadius) {
        continue;
      }
      Ink ink = r > kBoreRadius ? kMaterial : kBore;
      // The holes straddle the centre lines, as on a real flange.
      for (int hole = 0; hole < kBoltHoles; ++hole) {
        const double angle = (hole + 0.5) * 2.0 * kPi / kBoltHoles;
        if (grid.DistanceTo(x, y, kCentre + kBoltCircleRadius * std::cos(angle),
                            kCentre + kBoltCircleRadius * std::sin(angle)) <= kBoltHoleRadius) {
          ink = kBoltHole;
        }
      }
      grid.Set(x, y, ink);
    }
  }
}

// Plate pixels within `width` pixels (straight across) of the outside or of
// the bore become outline, so the disc and its bore read on any background.
void DrawOutline(IconGrid& grid, int width) {
  std::vector<std::pair<int, int>> edge;
  for (int y = 0; y < grid.size(); ++y) {
    for (int x = 0; x < grid.size(); ++x) {
      if (grid.At(x, y) != kMaterial) {
        continue;
      }
      for (int d = 1; d <= width; ++d) {
        const Ink around[] = {grid.At(x - d, y), grid.At(x + d, y), grid.At(x, y - d),
                              grid.At(x, y + d)};
        if (std::any_of(std::begin(around), std::end(around),
                        [](Ink ink) { return ink == kClear || ink == kBore; })) {
          edge.emplace_back(x, y);
          break;
        }
      }
    }
  }
  for (const auto& [x, y] : edge) {
    grid.Set(x, y, kOutline);
  }
}

// The two centre lines, dash-dot from the middle outwards, twice the outline's
// width, seen in the bore.
void DrawCentreLines(IconGrid& grid, int width) {
  const int n = grid.size();
  const double unit = n / kDesignSize;
  const int dash = static_cast<int>(std::lround(4 * unit));
  const int gap = std::max(1, static_cast<int>(std::lround(unit)));
  const int period = dash + 3 * gap;
  for (int along = 0; along < n; ++along) {
    const int fromCentre = along < n / 2 ? n / 2 - 1 - along : along - n / 2;
    const int phase = (fromCentre + dash / 2) % period;
    if (phase >= dash && phase != dash + gap) {
      continue;
    }
    for (int across = n / 2 - width; across < n / 2 + width; ++across) {
      for (const auto& [x, y] : {std::pair{along, across}, std::pair{across, along}}) {
        if (grid.At(x, y) == kBore) {
          grid.Set(x, y, kCentreLine);
        }
      }
    }
  }
}

}  // namespace

QImage DrawAppIcon(int size) {
  IconGrid grid(size);
  const int line = size <= 64 ? 1 : static_cast<int>(std::lround(size / 48.0));
  DrawPlate(grid);
  DrawOutline(grid, line);
  DrawCentreLines(grid, line);

  QImage image(size, size, QImage::Format_Indexed8);
  image.setColorTable(QVector<QRgb>{qRgba(0, 0, 0, 0), assets::kCutMaterial, assets::kTitleBlue,
                                    assets::kBackground, assets::kDimensionRed,
                                    assets::kBackground});
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      image.setPixel(x, y, grid.At(x, y));
    }
  }
  return image;
}

}  // namespace flange::draw
