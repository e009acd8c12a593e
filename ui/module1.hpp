// The program's start: Main shows the window and fills the material list;
// RunProgram runs it until the window ends it.
#pragma once

namespace flange::ui::Module1 {

// Shows Form1 (all fields empty, the focus in the first field) and appends the
// materials to its list, choosing none.
void Main();

// Main, then the event loop until the exit button or the closing of the
// window ends it. Returns the program's exit status.
int RunProgram();

}  // namespace flange::ui::Module1
