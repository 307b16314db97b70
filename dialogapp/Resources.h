// Resources - the program's own resources, looked up in the .exe that holds the layer.
#pragma once

#include <windows.h>

#include <string>

HINSTANCE ResourceModule();

// The string resource `id`, or an empty text when there is none.
std::wstring LoadStringResource(UINT id);
