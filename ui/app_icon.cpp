#include "app_icon.hpp"

#include <QSize>

#include "flange_assets.hpp"

namespace flange::ui {

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : assets::kIconSizes) {
    icon.addFile(assets::IconPath(size), QSize(size, size));
  }
  return icon;
}

}  // namespace flange::ui
