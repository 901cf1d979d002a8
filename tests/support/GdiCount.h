#pragma once
// The number of GDI objects this process holds now, or -1 when it cannot be read.
int gdiObjectCount();
