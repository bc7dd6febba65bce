#pragma once

// The command line's output on a system whose windowed programs have no console (Windows):
// started from a console, the program writes to it as a console program would.
namespace geardim {

// Connects standard output and error to the console the program was started from, where
// they are not already redirected to a file or a pipe; nothing elsewhere.
void attachToParentConsole();

} // namespace geardim
