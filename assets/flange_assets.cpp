#include "flange_assets.hpp"

namespace flange::assets {

QString IconPath(int size) {
  return QStringLiteral(":/assets/icon/flange_icon_%1.png").arg(size);
}

QString WindowIcon2xPath() {
  return QStringLiteral(":/assets/icon/flange_icon_%1@2x.png").arg(kWindowIconSize);
}

}  // namespace flange::assets
