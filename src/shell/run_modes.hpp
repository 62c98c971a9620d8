// The program's entry and its run modes.
#pragma once

#include <string_view>

#include "shell/command_line.hpp"
#include "shell/saver_state.hpp"

namespace mr {

// Full-screen: hides the cursor, covers the desktop with the dial and every other monitor with a
// plain window, announces the running saver, runs the message loop, then undoes all of it on
// every way out and gives the foreground back while the saver still has it. Ends at once when
// the window cannot be created or the refresh thread cannot be started.
void RunFullScreen(Shell& shell);

// Preview inside the parent window that the command line names (the foreground window when it
// names none). Ends at once when the parent is not a window, the saver window cannot be created or
// the refresh thread cannot be started: nothing would ever end the message loop.
void RunPreview(Shell& shell, std::u16string_view commandLine);

// Start-up: the thread locale and its time separator, then the run mode the command line asks
// for. The process exit code is 0 whatever happens.
void RunProgram(Shell& shell, std::u16string_view commandLine);

}  // namespace mr
