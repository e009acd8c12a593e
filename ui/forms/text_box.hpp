// A single-line text field whose events reach the window's handlers: change
// (raised by typing and by every write of the text, at once, inside the
// writer), got focus and key press.
#pragma once

#include <QLineEdit>

#include "forms/input_events.hpp"

namespace flange::ui::forms {

class TextBox : public QLineEdit {
 public:
  explicit TextBox(QWidget* parent);

  InputEvents& Events() { return events_; }

  QString Text() const { return text(); }
  // Writes the text and puts the cursor before its first character, so a
  // text longer than the field shows from its start (QLineEdit would leave
  // the cursor at the end and show the end).
  void SetText(const QString& text);
  // The selection, in characters: setting the start puts the cursor there and
  // selects nothing; setting the length then selects that many from the start.
  void SetSelStart(int start);
  void SetSelLength(int length);
  void SetFocus() { setFocus(Qt::OtherFocusReason); }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  InputEvents events_{*this};
};

// Selection on a line edit as text fields and the text part of a list share it.
void SetSelectionStart(QLineEdit& edit, int start);
void SetSelectionLength(QLineEdit& edit, int length);

}  // namespace flange::ui::forms
