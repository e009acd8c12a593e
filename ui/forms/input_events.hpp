// The events that an input control (a text field or the text part of a list)
// raises to the window's handlers, and the plumbing that both kinds of control
// share: the typed character code passed by reference, and the moment the
// focus counts as arriving.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace flange::ui::forms {

// The character code of a typed key, as the key handlers see it. A handler
// that sets it to 0 keeps the character from the control.
using KeyAscii = std::int16_t;

inline constexpr KeyAscii kKeyAsciiEnter = 13;

// The code a key press types, or nothing for keys that type no character
// (arrows, function keys, Tab, which moves the focus before any control sees it).
// Return and the keypad's Enter both type 13.
std::optional<KeyAscii> KeyAsciiOf(const QKeyEvent& event);

class InputEvents {
 public:
  using Handler = std::function<void()>;
  using KeyPressHandler = std::function<void(KeyAscii& keyAscii)>;

  explicit InputEvents(QWidget& control) : control_(control) {}

  void OnChange(Handler handler) { change_ = std::move(handler); }
  void OnGotFocus(Handler handler) { gotFocus_ = std::move(handler); }
  void OnKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }

  void RaiseChange() const;

  // Called by the control after its own focus-in processing, so that a
  // selection made by the handler is not undone by the control.
  void FocusIn(const QFocusEvent& event);
  void FocusOut(const QFocusEvent& event);

  // Offers a key press to the key handler, then hands the control's own key
  // processing (`process`) the event as the handler left it: unchanged, typing
  // another character, or not at all when the handler set the code to 0.
  void KeyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& process) const;

 private:
  void RaiseGotFocus() const;

  QWidget& control_;
  Handler change_;
  Handler gotFocus_;
  KeyPressHandler keyPress_;
  // Whether the focus is in this control as far as the window is concerned.
  // The window losing activation, or the list's own drop-down taking the
  // keyboard for a while, leaves the focus where it is, so its coming back
  // is no new arrival.
  bool holdsFocus_ = false;
};

}  // namespace flange::ui::forms
