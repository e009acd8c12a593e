// What the window tests share: the program started as a user meets it (Main
// has run, the window is shown and active), and a user's clicks and keys.
#pragma once

#include <QApplication>
#include <QTest>

#include "form1.hpp"
#include "forms/controls.hpp"
#include "module1.hpp"

namespace flange::ui::testing {

inline Form1& Window() {
  return Form1::Default();
}
inline QWidget* Focused() {
  return QApplication::focusWidget();
}
// Lets queued work run: the focus events after a click, the Tab that Enter sends.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
  }
}
// A suite's init() starts the program (false if the window never becomes
// active) and its cleanup() stops it.
inline bool Start() {
  Module1::Main();
  return QTest::qWaitForWindowActive(&Window()) && Focused() != nullptr;
}
inline void Stop() {
  Settle();
  Form1::Release();
  Settle();
}

// A left click into a control's text, as a user moving there with the mouse.
inline void ClickInto(QWidget& control) {
  auto* list = qobject_cast<QComboBox*>(&control);
  QWidget* target = list != nullptr ? list->lineEdit() : &control;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
  Settle();
}
inline void Type(const QString& text) {
  QTest::keyClicks(Focused(), text);
  Settle();
}
inline void Press(Qt::Key key) {
  QTest::keyClick(Focused(), key);
  Settle();
}
inline void Fill(int field, const QString& text) {
  ClickInto(Window().txtIn(field));
  Type(text);
}

// Runs a test object on the offscreen platform unless the command line names
// another (-platform xcb).
inline int RunSuite(int argc, char** argv, QObject& suite) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  return QTest::qExec(&suite, argc, argv);
}

}  // namespace flange::ui::testing

#define FLANGE_WINDOW_TEST_MAIN(SuiteClass)                  \
  int main(int argc, char** argv) {                          \
    SuiteClass suite;                                        \
    return flange::ui::testing::RunSuite(argc, argv, suite); \
  }
