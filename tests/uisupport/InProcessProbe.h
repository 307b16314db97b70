// Asks code inside another program: a probe DLL's WH_CALLWNDPROC hook is set on
// the thread that owns a window, a registered message is sent to that window
// with a reply window as its wParam, and the probe answers with WM_COPYDATA.
// Under Wine this is the way to read what only the program's own process can see.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace uitest {

// The probe is BinDir()\library exporting hookName; nothing when it cannot be
// loaded or hooked, or does not answer within timeoutMs.
std::optional<std::string> AskProbe(HWND window, const wchar_t* library, const char* hookName,
                                    const wchar_t* message, UINT timeoutMs);

}  // namespace uitest
