// GdiHandles - owners for the GDI handles a paint handler acquires, each
// released by its destructor: the paint DC, a memory DC, a GDI object and the
// selection of an object into a DC.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// BeginPaint ... EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory DC, compatible with the screen unless another DC is given.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HDC dc_;
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// An owned bitmap, pen, brush or font: GdiObject<HBITMAP>.
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// Selects an object into a DC and puts the previous one back.
class ObjectSelection {
public:
    ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ObjectSelection()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
