// CStatic - a static control of a dialog template, bound to an object that
// paints it: the control is subclassed with the object as reference data, and
// the subclass hands WM_PAINT to the object. The binding ends when the control
// is destroyed or the object is, whichever comes first.
#pragma once

#include <windows.h>

class CStatic {
public:
    CStatic() = default;
    virtual ~CStatic();
    CStatic(const CStatic&) = delete;
    CStatic& operator=(const CStatic&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }
    void SubclassWindow(HWND control);

protected:
    virtual void OnPaint() noexcept = 0;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR refData);
    void Unsubclass();

    HWND hwnd_ = nullptr;
};
