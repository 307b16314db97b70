// What is on the screen: single pixels for checks, pictures for people.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// The screen's DC, released when done.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// The colour at screen coordinates, read from the desktop (reading another
// process's window DC gives CLR_INVALID).
COLORREF ScreenPixel(POINT point);

// What `paint` draws on a width x height memory DC, as rows from the top of
// 0x00RRGGBB pixels; empty when it could not be drawn or `paint` says it failed.
std::vector<DWORD> DrawnPixels(int width, int height, const std::function<bool(HDC)>& paint);
// A screen rectangle as DrawnPixels gives it.
std::vector<DWORD> ScreenPixels(const RECT& screenRect);

// Saves a screen rectangle as a 24-bit PNG, creating missing folders.
bool SaveScreenPng(const RECT& screenRect, const std::wstring& path);

}  // namespace uitest
