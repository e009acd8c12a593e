// The window's input controls, a single-line text field and a drop-down list
// with an editable text part, and the events both raise to the window's
// handlers: change, got focus and key press (with the typed character code
// passed by reference), and for the list click. One shared base gives both
// controls these events.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <cstdint>
#include <functional>
#include <type_traits>

namespace flange::ui::forms {

// The character code of a typed key, as the key handlers see it; characters
// above U+7FFF come out negative. A handler that sets it to 0 keeps the
// character from the control. Return and the keypad's Enter both type 13.
using KeyAscii = std::int16_t;
inline constexpr KeyAscii kKeyAsciiEnter = 13;

// The events of one input control.
class InputEvents {
 public:
  std::function<void()> change;
  std::function<void()> gotFocus;
  std::function<void(KeyAscii& keyAscii)> keyPress;

  void RaiseChange() const {
    if (change) change();
  }
  // After the control's own focus-in processing, so that a selection made by
  // the handler is not undone by the control.
  void FocusIn(QWidget& control, const QFocusEvent& event);
  void FocusOut(const QFocusEvent& event);
  // Whether the control's own key processing gets the event: not when the
  // handler set the code to 0.
  bool KeyPress(QKeyEvent& event) const;

 private:
  // Whether the focus is in the control as far as the window is concerned.
  // The window losing activation, or the list's own drop-down taking the
  // keyboard for a while, leaves the focus where it is, so its coming back
  // is no new arrival.
  bool holdsFocus_ = false;
};

// The events and the selection, on a QLineEdit or a QComboBox.
template <class Control>
class InputControl : public Control {
 public:
  explicit InputControl(QWidget* parent) : Control(parent) {}

  InputEvents& Events() { return events_; }
  // The selection, in characters: setting the start puts the cursor there and
  // selects nothing; setting the length then selects that many from the start.
  void SetSelStart(int start) { Edit().setCursorPosition(start); }
  void SetSelLength(int length) {
    QLineEdit& edit = Edit();
    edit.setSelection(edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition(),
                      length);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    Control::focusInEvent(event);
    events_.FocusIn(*this, *event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    events_.FocusOut(*event);
    Control::focusOutEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (events_.KeyPress(*event)) {
      Control::keyPressEvent(event);
    }
  }

 private:
  QLineEdit& Edit() {
    if constexpr (std::is_base_of_v<QComboBox, Control>) {
      return *this->lineEdit();
    } else {
      return *this;
    }
  }

  InputEvents events_;
};

// A text field: change is raised by typing and by every write of the text,
// at once, inside the writer.
class TextBox : public InputControl<QLineEdit> {
 public:
  explicit TextBox(QWidget* parent);

  QString Text() const { return text(); }
  // Writes the text and puts the cursor before its first character, so a
  // text longer than the field shows from its start.
  void SetText(const QString& text);
  void SetFocus() { setFocus(Qt::OtherFocusReason); }
};

// A list: change is raised when the user edits the text part, click when an
// entry is chosen with the mouse or the arrow keys. Program writes raise
// neither, and the list never chooses or adds an entry on its own.
class ComboBox : public InputControl<QComboBox> {
 public:
  explicit ComboBox(QWidget* parent);

  std::function<void()> click;

  // The chosen entry from 0, or -1 while none is chosen.
  std::int16_t ListIndex() const { return static_cast<std::int16_t>(currentIndex()); }
  QString Text() const { return currentText(); }
};

// Queues one Tab key press and returns at once. When it is handled, after the
// running handler has returned, the focus moves on from whichever control
// holds it then, exactly as when the user presses Tab.
void SendTabKey();

// Trailing space characters dropped (only U+0020, not tabs or other blanks).
QString RTrim(const QString& text);

// Length in characters, as selection positions count them.
inline int Len(const QString& text) {
  return static_cast<int>(text.size());
}

}  // namespace flange::ui::forms
