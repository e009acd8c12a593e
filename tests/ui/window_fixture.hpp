// What the window tests share: the program started as a user meets it (Main
// has run, the window is shown and active), and the ways a user acts on it,
// all through real key, mouse and input-method events.
#pragma once

#include <QString>
#include <QTest>

#include "form1.hpp"

namespace flange::ui::testing {

// Starts the program for one test and releases its window afterwards.
class Program {
 public:
  // Runs Main and waits until the window is active. False if it never is.
  [[nodiscard]] bool Start();
  void Stop();
  Form1& form() const { return Form1::Default(); }
};

// Lets queued work run: the focus events delivered after a click, and the Tab
// key press that Enter sends.
void Settle();

// The control that has the keyboard focus.
QWidget* Focused();

// A left click into a control's text, as a user moving there with the mouse.
void ClickInto(QWidget& control);

// Keys typed into the control that has the focus, one key press a character.
void Type(const QString& text);
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Text committed by an input method into the focused control: the way Chinese
// text arrives from the keyboard.
void CommitFromInputMethod(const QString& text);

// Field texts as typed: clicks into each field and types its text.
void FillFields(std::initializer_list<std::pair<int, QString>> fieldTexts);

// The worked flange of the calculator's documentation, fields 1 to 12.
inline const QStringList kWorkedFlange = {"220", "158", "110", "18", "8",  "132",
                                          "115", "20",  "3",   "52", "12", "7.85"};

// Runs a test object on the offscreen platform unless the command line names
// another (-platform xcb), and never lets a modal dialog block the run.
int RunSuite(int argc, char** argv, QObject& suite);

}  // namespace flange::ui::testing

#define FLANGE_WINDOW_TEST_MAIN(SuiteClass)                  \
  int main(int argc, char** argv) {                          \
    SuiteClass suite;                                        \
    return flange::ui::testing::RunSuite(argc, argv, suite); \
  }
