#pragma once
// The rows of what a user waits for before the font names are read.

namespace bench {

// From a process's creation to its splash painted: glyphmere.exe against bare_splash.exe.
void timeToSplash(int pairs);

// The main window made with its controls, shown and painted, against a bare copy.
void makingTheMainWindow(int pairs);

} // namespace bench
