#include "forms/controls.hpp"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>

namespace flange::ui::forms {

void InputEvents::FocusIn(QWidget& control, const QFocusEvent& event) {
  if (holdsFocus_) {
    return;
  }
  holdsFocus_ = true;
  auto raise = [this] {
    if (holdsFocus_ && gotFocus) gotFocus();
  };
  if (event.reason() == Qt::MouseFocusReason) {
    // The click that brought the focus is processed after this, and it puts
    // the cursor where the mouse is, which would undo any selection made now.
    // So the handler runs once the click is done.
    QMetaObject::invokeMethod(&control, raise, Qt::QueuedConnection);
  } else {
    raise();
  }
}

void InputEvents::FocusOut(const QFocusEvent& event) {
  if (event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason) {
    holdsFocus_ = false;
  }
}

bool InputEvents::KeyPress(QKeyEvent& event) const {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  // Keys that type no character (arrows, function keys) reach no handler.
  if (!keyPress || (!enter && event.text().isEmpty())) {
    return true;
  }
  KeyAscii keyAscii = enter ? kKeyAsciiEnter : static_cast<KeyAscii>(event.text().at(0).unicode());
  keyPress(keyAscii);
  if (keyAscii == 0) {
    event.accept();
    return false;
  }
  return true;
}

TextBox::TextBox(QWidget* parent) : InputControl(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] { Events().RaiseChange(); });
}

void TextBox::SetText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

ComboBox::ComboBox(QWidget* parent) : InputControl(parent) {
  setEditable(true);
  // Qt's editable list would otherwise complete the typed text from the
  // entries, add the typed text as a new entry on Return, and choose the entry
  // whose text was typed when the focus leaves (raising a click). Here typing
  // only edits the text part; entries are chosen with the mouse or the arrows.
  lineEdit()->setCompleter(nullptr);
  setInsertPolicy(QComboBox::NoInsert);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  // Qt also chooses the first entry as soon as an empty list gets one, unless
  // the list has a placeholder text; an editable list never shows it.
  setPlaceholderText(QStringLiteral(" "));
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Events().RaiseChange(); });
  connect(this, &QComboBox::activated, this, [this] {
    if (click) click();
  });
}

void SendTabKey() {
  QMetaObject::invokeMethod(
      qApp,
      [] {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) {
          return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::sendEvent(target, &press);
        if (QWidget* now = QApplication::focusWidget()) {
          QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
          QApplication::sendEvent(now, &release);
        }
      },
      Qt::QueuedConnection);
}

QString RTrim(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') {
    --end;
  }
  return text.left(end);
}

}  // namespace flange::ui::forms
