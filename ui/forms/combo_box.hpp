// A drop-down list with an editable text part. Its events reach the window's
// handlers: change (the user edits the text part), click (an entry is chosen
// with the mouse or the arrow keys), got focus and key press. Program writes
// raise none of them, and the list never chooses or adds an entry on its own.
#pragma once

#include <QComboBox>
#include <functional>

#include "forms/input_events.hpp"

namespace flange::ui::forms {

class ComboBox : public QComboBox {
 public:
  explicit ComboBox(QWidget* parent);

  InputEvents& Events() { return events_; }
  void OnClick(std::function<void()> handler) { click_ = std::move(handler); }

  // Appends an entry; what is chosen and the text part stay as they were.
  void AddItem(const QString& text);
  // The chosen entry from 0, or -1 while none is chosen.
  std::int16_t ListIndex() const { return static_cast<std::int16_t>(currentIndex()); }
  QString Text() const { return currentText(); }
  void SetSelStart(int start);
  void SetSelLength(int length);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  InputEvents events_{*this};
  std::function<void()> click_;
};

}  // namespace flange::ui::forms
