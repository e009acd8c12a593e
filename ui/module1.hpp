// The program's start: Main shows the window and fills the material list.
#pragma once

namespace flange::ui::Module1 {

// Shows Form1 (all fields empty, the focus in the first field) and appends the
// materials to its list, choosing none. The program then lives in the event
// loop until the window ends it.
void Main();

}  // namespace flange::ui::Module1
