// The program-wide services the window's handlers call: a queued Tab key
// press, the end of the program, and the text helpers they read fields with.
#pragma once

#include <QString>

namespace flange::ui::forms {

// Queues one Tab key press and returns at once. When it is handled, after the
// running handler has returned, the focus moves on from whichever control
// holds it then, exactly as when the user presses Tab.
void SendTabKey();

// Ends the program with status 0: the event loop stops as soon as the
// running handler returns.
void EndProgram();

// Trailing space characters dropped (only U+0020, not tabs or other blanks).
QString RTrim(const QString& text);

// Length in characters, as selection positions count them.
inline int Len(const QString& text) {
  return static_cast<int>(text.size());
}

}  // namespace flange::ui::forms
