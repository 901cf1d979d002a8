#pragma once
// The program's name and version as its windows and files show them; the version is the
// build's, from the one place that sets it.
#include "Version.h"

// The splash's caption.
#define GLYPHMERE_SPLASH_CAPTION L"Glyphmere " GLYPHMERE_VERSION_W
// The main window's caption, also the splash's last line and the report's last but one.
#define GLYPHMERE_MAIN_CAPTION L"Glyphmere - Version " GLYPHMERE_VERSION_W
