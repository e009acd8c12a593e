#include "font_config_warm_up.hpp"

#if FLANGE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace flange::ui {

FontConfigWarmUp::FontConfigWarmUp() {
#if FLANGE_HAVE_FONTCONFIG
  // FcInit is idempotent and safe to race with: the toolkit's own call later
  // finds the configuration loaded.
  reader_ = std::thread([] { FcInit(); });
#endif
}

}  // namespace flange::ui
