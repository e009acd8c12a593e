// flange-weight: the weld-neck flange volume and weight calculator.
#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "font_config_warm_up.hpp"
#include "module1.hpp"

namespace {

// How the program was started, for the hint on running it under xvfb-run:
// "flange-weight" from the menu or the path, "build/release/ui/flange-weight"
// from a build.
std::string startedAs = "flange-weight";

// A window needs a display. When Qt finds none it can use (none set, no
// server at DISPLAY, a stale WAYLAND_DISPLAY), its platform plugin reports
// that in several lines and aborts; one line says what to do instead.
[[noreturn]] void ExitWithoutDisplay() {
  const std::string line =
      "flange-weight: no display found; run it on a desktop, or under xvfb-run: xvfb-run -a " +
      startedAs + "\n";
  std::fputs(line.c_str(), stderr);
  std::_Exit(1);
}

// The messages Qt gives while the application object connects to the
// display, held back until it is known whether it could.
struct HeldMessage {
  QtMsgType type;
  QByteArray file;
  int line;
  QByteArray function;
  QByteArray category;
  QString text;
};
std::mutex heldLock;
std::vector<HeldMessage> held;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    ExitWithoutDisplay();
  }
  const std::lock_guard lock(heldLock);
  held.push_back({type, context.file, context.line, context.function, context.category, text});
}

// Qt's own handler again, and the held messages passed on to it.
void PassOnHeldMessages() {
  qInstallMessageHandler(nullptr);
  const std::lock_guard lock(heldLock);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 0 && argv[0] != nullptr && *argv[0] != '\0') {
    startedAs = argv[0];
  }
  flange::ui::FontConfigWarmUp fontConfig;
  qInstallMessageHandler(HoldMessage);
  QApplication app(argc, argv);
  PassOnHeldMessages();
  fontConfig.Wait();
  return flange::ui::Module1::RunProgram();
}
