// Finding and driving another process's windows from the test process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uitest {

// A visible top-level window of the process with this class and caption
// (nullptr matches any), or nullptr.
HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);
// The same, polled until it appears or the timeout passes.
HWND WaitForTopWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                      DWORD timeoutMs);
// Every visible top-level window of the process.
std::vector<HWND> TopWindows(DWORD processId);
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

// Direct children in Z order (for a dialog: template order).
std::vector<HWND> Children(HWND parent);
std::wstring ClassName(HWND window);
// The text by WM_GETTEXT (GetWindowText returns "" for another process's edit).
std::wstring Text(HWND window);
void SetText(HWND window, const std::wstring& text);
LONG Style(HWND window);
LONG ExStyle(HWND window);
RECT ScreenRect(HWND window);
// The window rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
POINT Centre(const RECT& rect);

// BM_CLICK sent: returns after the owner has handled the click.
void Click(HWND button);
// BM_CLICK posted: for buttons whose handler opens a modal box.
void PostClick(HWND button);
// BM_CLICK posted to each button while their GUI thread is held still, so that
// all are queued before it looks at its queue again (and so before any timer).
// False if the thread could not be held.
bool PostClicksAtOnce(const std::vector<HWND>& buttons);
// One WM_CHAR per character, each sent (handled before the next one).
void TypeChars(HWND window, const std::wstring& text);
// WM_KEYDOWN and WM_KEYUP posted, so the owner's dialog loop sees the key.
void PostKey(HWND window, UINT virtualKey);
void PostSysCommand(HWND window, WPARAM command);
// The window with the keyboard focus in the given GUI thread, or nullptr.
HWND FocusOf(DWORD threadId);

struct MenuEntry {
    UINT id;
    bool separator;
    std::wstring text;
};
// The items of another process's window's system menu in order, read inside
// that process by uiprobe.dll (which must lie in BinDir()); empty on failure.
std::vector<MenuEntry> SystemMenu(HWND window);

}  // namespace uitest
