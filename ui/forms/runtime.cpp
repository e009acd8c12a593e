#include "forms/runtime.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace flange::ui::forms {

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

void EndProgram() {
  QCoreApplication::exit(0);
}

QString RTrim(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') {
    --end;
  }
  return text.left(end);
}

}  // namespace flange::ui::forms
