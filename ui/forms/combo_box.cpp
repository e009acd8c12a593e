#include "forms/combo_box.hpp"

#include <QLineEdit>

#include "forms/text_box.hpp"

namespace flange::ui::forms {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
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

  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { events_.RaiseChange(); });
  connect(this, &QComboBox::activated, this, [this] {
    if (click_) {
      click_();
    }
  });
}

void ComboBox::AddItem(const QString& text) {
  addItem(text);
}

void ComboBox::SetSelStart(int start) {
  SetSelectionStart(*lineEdit(), start);
}

void ComboBox::SetSelLength(int length) {
  SetSelectionLength(*lineEdit(), length);
}

void ComboBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  events_.FocusIn(*event);
}

void ComboBox::focusOutEvent(QFocusEvent* event) {
  events_.FocusOut(*event);
  QComboBox::focusOutEvent(event);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
  events_.KeyPress(event, [this](QKeyEvent* e) { QComboBox::keyPressEvent(e); });
}

}  // namespace flange::ui::forms
