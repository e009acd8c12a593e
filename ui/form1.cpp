// Form1's handlers: they keep the results consistent with the inputs, fill in
// the density when a material is chosen, move the focus on with Enter, select
// a field's text when the focus arrives, calculate and end the program.
#include "form1.hpp"

#include <QCoreApplication>
#include <QPushButton>
#include <string>
#include <string_view>

#include "flange/field_calculation.hpp"
#include "flange/flange_model.hpp"
#include "flange/number_writer.hpp"
#include "forms/controls.hpp"

namespace flange::ui {

using forms::Len;
using forms::RTrim;

QPointer<Form1> Form1::default_;

Form1& Form1::Default() {
  if (default_.isNull()) {
    default_ = new Form1();
  }
  return *default_;
}

void Form1::Release() {
  delete default_.data();
}

forms::TextBox& Form1::txtIn(int index) const {
  return *txtIn_.at(index);
}

QLabel& Form1::LabelDT(int index) const {
  return *labelDT_.at(index);
}

void Form1::ConnectHandlers() {
  for (std::int16_t index = kFirstField; index <= kWeightField; ++index) {
    forms::InputEvents& events = txtIn(index).Events();
    events.change = [this, index] { txtIn_Change(index); };
    events.gotFocus = [this, index] { txtIn_GotFocus(index); };
    events.keyPress = [this, index](std::int16_t& keyAscii) { txtIn_KeyPress(index, keyAscii); };
  }
  forms::InputEvents& events = CombCover().Events();
  events.change = [this] { CombCover_Change(); };
  events.gotFocus = [this] { CombCover_GotFocus(); };
  events.keyPress = [this](std::int16_t& keyAscii) { CombCover_KeyPress(keyAscii); };
  CombCover().click = [this] { CombCover_Click(); };
  connect(&Command8(), &QPushButton::clicked, this, [this] { Command8_Click(); });
  connect(&Command0(), &QPushButton::clicked, this, [this] { Command0_Click(); });
}

// A change of any input makes the results on screen stale. Writes of the
// results themselves raise this too, for 13 and 14, and blank nothing.
void Form1::txtIn_Change(std::int16_t index) {
  if (index <= kLastInputField) {
    txtIn(kVolumeField).SetText(QString());
    txtIn(kWeightField).SetText(QString());
  }
}

// Editing the list's text blanks the results; the density is not touched.
void Form1::CombCover_Change() {
  txtIn(kVolumeField).SetText(QString());
  txtIn(kWeightField).SetText(QString());
}

// Choosing a material writes its density into field 12; that write's own
// change blanks the results.
void Form1::CombCover_Click() {
  const int position = CombCover().ListIndex() + 1;
  if (const MaterialDensity* material = MaterialAtPosition(position)) {
    txtIn(kLastInputField).SetText(QString::fromStdString(NumberToText(material->density)));
  }
}

// Arriving in a field selects its text up to its trailing blanks, so typing
// replaces the value.
void Form1::txtIn_GotFocus(std::int16_t index) {
  txtIn(index).SetSelStart(0);
  txtIn(index).SetSelLength(Len(RTrim(txtIn(index).Text())));
}

void Form1::CombCover_GotFocus() {
  CombCover().SetSelStart(0);
  CombCover().SetSelLength(Len(RTrim(CombCover().Text())));
}

// Enter moves on like Tab and never reaches the field; from the density field
// it goes back to the first field rather than on to the results.
void Form1::txtIn_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  if (keyAscii == forms::kKeyAsciiEnter) {
    keyAscii = 0;
    if (index == kLastInputField) {
      txtIn(kFirstField).SetFocus();
    } else {
      forms::SendTabKey();
    }
  }
}

void Form1::CombCover_KeyPress(std::int16_t& keyAscii) {
  if (keyAscii == forms::kKeyAsciiEnter) {
    keyAscii = 0;
    forms::SendTabKey();
  }
}

// The twelve input texts, as the fields hold them, give the volume and the
// weight texts; the volume is written first.
void Form1::Command8_Click() {
  std::array<std::string, kInputFieldCount> texts;
  std::array<std::string_view, kInputFieldCount> fieldTexts;
  for (int index = kFirstField; index <= kLastInputField; ++index) {
    texts[index - 1] = txtIn(index).Text().toStdString();
    fieldTexts[index - 1] = texts[index - 1];
  }
  const ResultTexts results = CalculateFromFieldTexts(fieldTexts);
  txtIn(kVolumeField).SetText(QString::fromStdString(results.volume));
  txtIn(kWeightField).SetText(QString::fromStdString(results.weight));
}

// Ends the program with status 0: the event loop stops as soon as this
// handler returns.
void Form1::Command0_Click() {
  QCoreApplication::exit(0);
}

}  // namespace flange::ui
