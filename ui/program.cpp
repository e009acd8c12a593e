#include "program.hpp"

#include <QApplication>

#include "form1.hpp"
#include "module1.hpp"

namespace flange::ui {

int RunProgram() {
  Module1::Main();
  const int status = QApplication::exec();
  // The exit button stops the loop with the window still open.
  Form1::Release();
  return status;
}

}  // namespace flange::ui
