#include "Resources.h"

HINSTANCE ResourceModule()
{
    return GetModuleHandleW(nullptr);
}

std::wstring LoadStringResource(UINT id)
{
    // A zero buffer size yields a pointer to the resource's own, unterminated text.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(ResourceModule(), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}
