// flange-weight: the weld-neck flange volume and weight calculator.
#include <QApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "font_config_warm_up.hpp"
#include "program.hpp"

namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// On X11 and Wayland desktops a window needs a display server. Without one
// Qt would fail with a long platform-plugin message; say plainly what to do.
bool DisplayAvailable(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0) {
      return true;
    }
  }
  return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
#else
  (void)argc;
  (void)argv;
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable(argc, argv)) {
    std::fputs(
        "flange-weight: no display found; run it on a desktop, or under xvfb-run: "
        "xvfb-run -a flange-weight\n",
        stderr);
    return 1;
  }
  flange::ui::FontConfigWarmUp fontConfig;
  QApplication app(argc, argv);
  fontConfig.Wait();
  return flange::ui::RunProgram();
}
