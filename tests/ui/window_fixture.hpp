// What the window tests share: the program started as a user meets it (Main
// has run, the window is shown and active), and the ways a user acts on it,
// all through real key, mouse and input-method events.
#pragma once

#include <QString>
#include <QTest>

#include "form1.hpp"

namespace flange::ui::testing {

// The window of the running program; a suite's init() starts it with Start()
// (false if the window never becomes active) and its cleanup() stops it.
[[nodiscard]] bool Start();
void Stop();
inline Form1& Window() {
  return Form1::Default();
}

// Lets queued work run: the focus events delivered after a click, and the Tab
// key press that Enter sends.
void Settle();
QWidget* Focused();

// A left click into a control's text, as a user moving there with the mouse.
void ClickInto(QWidget& control);
// Keys typed into the focused control, one key press a character; characters
// beyond ASCII come as a Chinese keyboard layout delivers them, text alone.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks into a field and types its text.
void Fill(int field, const QString& text);
// Fields 1 to `count` of the calculator's worked flange.
void FillWorkedFlange(int count = 12);

// Runs a test object on the offscreen platform unless the command line names
// another (-platform xcb).
int RunSuite(int argc, char** argv, QObject& suite);

}  // namespace flange::ui::testing

#define FLANGE_WINDOW_TEST_MAIN(SuiteClass)                  \
  int main(int argc, char** argv) {                          \
    SuiteClass suite;                                        \
    return flange::ui::testing::RunSuite(argc, argv, suite); \
  }
