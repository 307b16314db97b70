// guiprobe.dll: loaded into a program by a window hook, it counts the
// program's GDI and USER objects from inside and sends them back by
// WM_COPYDATA.
//
// Request: the registered message kGuiProbeMessage sent to one of the
// program's windows, with the reply window in wParam. Reply: a GuiObjects.
//
// Wine (8.0) keeps each process's GDI and USER handle tables in the process
// and accepts a handle's bare table index (high word 0) for any generation,
// so walking the indices with GetObjectType, IsMenu and GetIconInfo finds
// every live object without asking the server. Windows are enumerated per
// thread instead: a window handle of another process would ask the server.
#include "GuiObjects.h"

#include <tlhelp32.h>

namespace {

using bench::GuiObjects;

constexpr UINT_PTR kGdiIndices = 0x10000;
constexpr UINT_PTR kFirstUserHandle = 0x20;
constexpr UINT_PTR kUserIndices = 0x8000;

void CountGdi(GuiObjects& counts)
{
    for (UINT_PTR index = 1; index < kGdiIndices; ++index) {
        switch (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) {
        case 0: break;
        case OBJ_DC: case OBJ_MEMDC: case OBJ_METADC: case OBJ_ENHMETADC: ++counts.dcs; break;
        case OBJ_BITMAP: ++counts.bitmaps; break;
        case OBJ_BRUSH: ++counts.brushes; break;
        case OBJ_PEN: case OBJ_EXTPEN: ++counts.pens; break;
        case OBJ_FONT: ++counts.fonts; break;
        case OBJ_REGION: ++counts.regions; break;
        default: ++counts.otherGdi; break;
        }
    }
}

// EnumChildWindows walks every descendant, not only the direct children.
BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++*reinterpret_cast<std::uint32_t*>(param);
    return TRUE;
}

BOOL CALLBACK CountTopWindow(HWND window, LPARAM param)
{
    ++*reinterpret_cast<std::uint32_t*>(param);
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

std::uint32_t CountWindows()
{
    std::uint32_t windows = 0;
    const DWORD process = GetCurrentProcessId();
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        if (thread.th32OwnerProcessID == process)
            EnumThreadWindows(thread.th32ThreadID, CountTopWindow,
                              reinterpret_cast<LPARAM>(&windows));
    CloseHandle(snapshot);
    for (HWND window = nullptr;
         (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        windows += owner == process;
    }
    return windows;
}

// After CountGdi: GetIconInfo hands out copies of an icon's bitmaps.
void CountUser(GuiObjects& counts)
{
    counts.windows = CountWindows();
    for (UINT_PTR index = 0; index < kUserIndices; ++index) {
        const UINT_PTR handle = kFirstUserHandle + 2 * index;
        if (IsMenu(reinterpret_cast<HMENU>(handle)))
            ++counts.menus;
        ICONINFO icon{};
        if (GetIconInfo(reinterpret_cast<HICON>(handle), &icon)) {
            ++counts.icons;
            if (icon.hbmColor)
                DeleteObject(icon.hbmColor);
            if (icon.hbmMask)
                DeleteObject(icon.hbmMask);
        }
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK GuiProbeHook(int code, WPARAM wParam,
                                                               LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == RegisterWindowMessageW(bench::kGuiProbeMessage)) {
        GuiObjects counts;
        CountGdi(counts);
        CountUser(counts);
        COPYDATASTRUCT data{};
        data.cbData = sizeof counts;
        data.lpData = &counts;
        SendMessageW(reinterpret_cast<HWND>(call->wParam), WM_COPYDATA,
                     reinterpret_cast<WPARAM>(call->hwnd), reinterpret_cast<LPARAM>(&data));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
