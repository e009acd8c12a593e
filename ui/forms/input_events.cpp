#include "forms/input_events.hpp"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace flange::ui::forms {

std::optional<KeyAscii> KeyAsciiOf(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
    return kKeyAsciiEnter;
  }
  const QString text = event.text();
  if (text.isEmpty()) {
    return std::nullopt;
  }
  // A 16-bit code: characters above U+7FFF come out negative, as wide
  // character codes always have for these handlers.
  return static_cast<KeyAscii>(text.at(0).unicode());
}

void InputEvents::RaiseChange() const {
  if (change_) {
    change_();
  }
}

void InputEvents::RaiseGotFocus() const {
  if (gotFocus_) {
    gotFocus_();
  }
}

void InputEvents::FocusIn(const QFocusEvent& event) {
  if (holdsFocus_) {
    return;
  }
  holdsFocus_ = true;
  if (event.reason() == Qt::MouseFocusReason) {
    // The click that brought the focus is processed after this, and it puts
    // the cursor where the mouse is, which would undo any selection made now.
    // So the handler runs once the click is done.
    QMetaObject::invokeMethod(
        &control_,
        [this] {
          if (holdsFocus_) {
            RaiseGotFocus();
          }
        },
        Qt::QueuedConnection);
    return;
  }
  RaiseGotFocus();
}

void InputEvents::FocusOut(const QFocusEvent& event) {
  if (event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason) {
    holdsFocus_ = false;
  }
}

void InputEvents::KeyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& process) const {
  const std::optional<KeyAscii> typed = KeyAsciiOf(*event);
  if (!typed || !keyPress_) {
    process(event);
    return;
  }
  KeyAscii keyAscii = *typed;
  keyPress_(keyAscii);
  if (keyAscii == 0) {
    event->accept();
    return;
  }
  if (keyAscii == *typed) {
    process(event);
    return;
  }
  QKeyEvent replaced(event->type(), Qt::Key_unknown, event->modifiers(),
                     QString(QChar(static_cast<char16_t>(keyAscii))), event->isAutoRepeat());
  process(&replaced);
  event->setAccepted(replaced.isAccepted());
}

}  // namespace flange::ui::forms
