// What is on the screen: single pixels for checks, pictures for people.
#pragma once

#include <windows.h>

#include <string>

namespace uitest {

// The colour at screen coordinates, read from the desktop (reading another
// process's window DC gives CLR_INVALID).
COLORREF ScreenPixel(POINT point);

// Saves a screen rectangle as a 24-bit PNG, creating missing folders.
bool SaveScreenPng(const RECT& screenRect, const std::wstring& path);

}  // namespace uitest
