#include "module1.hpp"

#include <QApplication>

#include "flange/flange_model.hpp"
#include "form1.hpp"
#include "forms/controls.hpp"

namespace flange::ui::Module1 {

void Main() {
  Form1& form = Form1::Default();
  form.Show();
  for (const MaterialDensity& material : MaterialDensityTable) {
    form.CombCover().addItem(QString::fromUtf8(material.listText.data(),
                                               static_cast<qsizetype>(material.listText.size())));
  }
}

int RunProgram() {
  Main();
  const int status = QApplication::exec();
  // The exit button stops the loop with the window still open.
  Form1::Release();
  return status;
}

}  // namespace flange::ui::Module1
