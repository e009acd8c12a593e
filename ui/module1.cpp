#include "module1.hpp"

#include "flange/flange_model.hpp"
#include "form1.hpp"
#include "forms/combo_box.hpp"

namespace flange::ui::Module1 {

void Main() {
  Form1& form = Form1::Default();
  form.Show();
  for (const MaterialDensity& material : MaterialDensityTable) {
    form.CombCover().AddItem(QString::fromUtf8(material.listText.data(),
                                               static_cast<qsizetype>(material.listText.size())));
  }
}

}  // namespace flange::ui::Module1
