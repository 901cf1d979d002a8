#pragma once
// The number of GDI objects this process holds now.
int gdiObjectCount();
