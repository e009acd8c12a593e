// The life of the program once the application object exists: Main, then the
// event loop until the exit button or the closing of the window ends it.
#pragma once

namespace flange::ui {

// Returns the program's exit status.
int RunProgram();

}  // namespace flange::ui
