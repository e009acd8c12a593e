#include "forms/text_box.hpp"

namespace flange::ui::forms {

void SetSelectionStart(QLineEdit& edit, int start) {
  edit.setCursorPosition(start);
}

void SetSelectionLength(QLineEdit& edit, int length) {
  const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
  edit.setSelection(start, length);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] { events_.RaiseChange(); });
}

void TextBox::SetText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

void TextBox::SetSelStart(int start) {
  SetSelectionStart(*this, start);
}

void TextBox::SetSelLength(int length) {
  SetSelectionLength(*this, length);
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  events_.FocusIn(*event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  events_.FocusOut(*event);
  QLineEdit::focusOutEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  events_.KeyPress(event, [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}

}  // namespace flange::ui::forms
