#include "Static.h"

#include <commctrl.h>

#include <cassert>

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

CStatic::~CStatic()
{
    Unsubclass();
}

void CStatic::SubclassWindow(HWND control)
{
    assert(!hwnd_ && control);
    if (SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        hwnd_ = control;
}

void CStatic::Unsubclass()
{
    if (!hwnd_)
        return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

LRESULT CALLBACK CStatic::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR refData)
{
    auto* self = reinterpret_cast<CStatic*>(refData);
    switch (message) {
    case WM_PAINT:
        self->OnPaint();
        return 0;
    case WM_NCDESTROY:
        self->Unsubclass();
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
