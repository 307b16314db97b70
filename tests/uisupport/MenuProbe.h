// Shared by uiprobe.dll and the test side that loads it (see MenuProbe.cpp).
#pragma once

#include <windows.h>

inline constexpr wchar_t kMenuProbeMessage[] = L"uitest.MenuProbe.ReadSystemMenu";
inline constexpr wchar_t kMenuProbeLibrary[] = L"uiprobe.dll";
inline constexpr char kMenuProbeHook[] = "MenuProbeHook";
