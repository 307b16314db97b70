#include "LedStatic.h"

#include "GdiHandles.h"
#include "Resources.h"
#include "res/resource.h"

int CLedStatic::SetState(int state)
{
    m_state = state;
    // Before the control is bound the state simply shows on its first paint.
    if (const HWND hwnd = GetSafeHwnd())
        InvalidateRect(hwnd, nullptr, TRUE);
    return m_state;
}

void CLedStatic::OnPaint() noexcept
{
    const HWND hwnd = GetSafeHwnd();
    const PaintDC dc(hwnd);
    // Loaded anew on every paint so that the control holds no GDI object between paints.
    const GdiObject<HBITMAP> bitmap(
        LoadBitmapW(ResourceModule(), MAKEINTRESOURCEW(m_state != 0 ? IDB_LED_ON : IDB_LED_OFF)));
    const MemoryDC memory;
    const ObjectSelection selection(memory.Handle(), bitmap.get());

    BITMAP source{};
    GetObjectW(bitmap.get(), sizeof source, &source);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
    // Left and top are 0 for these borderless controls, so right and bottom are the size.
    StretchBlt(dc.Handle(), rect.left, rect.top, rect.right, rect.bottom, memory.Handle(), 0, 0,
               source.bmWidth, source.bmHeight, SRCCOPY);
}
