// Form1: the calculator's one window. Ten dimensions, the bolt-hole count and
// the material density go into txtIn(1) to txtIn(12) (or a material chosen in
// CombCover fills in the density); Command8 calculates the volume into
// txtIn(13) and the weight into txtIn(14); Command0 ends the program.
//
// The window keeps no variables of its own: inputs and results live only in
// the texts of the fields, and every handler reads the controls when it runs.
#pragma once

#include <QPointer>
#include <array>
#include <cstdint>
#include <map>

#include "forms/form.hpp"

class QGroupBox;
class QLabel;
class QPushButton;

namespace flange::ui {

namespace forms {
class ComboBox;
class TextBox;
}  // namespace forms

class FlangePicture;

class Form1 : public forms::Form {
 public:
  // The window of the program, created on first use; closing it releases it.
  static Form1& Default();
  // Releases the window if it still exists.
  static void Release();

  // Field numbers: 1 to 12 are the inputs (D, d, B, dk, Nb, N, A, C, f, H, h,
  // density), 13 the volume and 14 the weight.
  static constexpr int kFirstField = 1;
  static constexpr int kLastInputField = 12;
  static constexpr int kVolumeField = 13;
  static constexpr int kWeightField = 14;

  forms::TextBox& txtIn(int index) const;
  QLabel& LabelDT(int index) const;
  forms::ComboBox& CombCover() const { return *combCover_; }
  QPushButton& Command8() const { return *command8_; }
  QPushButton& Command0() const { return *command0_; }
  QGroupBox& Frame1() const { return *frame1_; }
  QGroupBox& Frame2() const { return *frame2_; }
  FlangePicture& Picture2() const { return *picture2_; }

  // The handlers. Index arguments are field numbers; a key handler that sets
  // keyAscii to 0 keeps the character from the control.
  void txtIn_Change(std::int16_t index);
  void txtIn_GotFocus(std::int16_t index);
  void txtIn_KeyPress(std::int16_t index, std::int16_t& keyAscii);
  void CombCover_Change();
  void CombCover_Click();
  void CombCover_GotFocus();
  void CombCover_KeyPress(std::int16_t& keyAscii);
  void Command8_Click();
  void Command0_Click();

 protected:
  QIcon Icon() const override;

 private:
  Form1();

  // Builds the controls, in tab order, and connects their events to the
  // handlers (form1_layout.cpp).
  void CreateControls();
  void ConnectHandlers();

  std::array<forms::TextBox*, kWeightField + 1> txtIn_{};  // [0] unused
  std::map<int, QLabel*> labelDT_;
  forms::ComboBox* combCover_ = nullptr;
  QPushButton* command8_ = nullptr;
  QPushButton* command0_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  FlangePicture* picture2_ = nullptr;

  static QPointer<Form1> default_;
};

}  // namespace flange::ui
