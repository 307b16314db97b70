// The GDI and USER objects of one process, as guiprobe.dll counts them inside
// it (GetGuiResources returns 0 under Wine). Shared by the probe and its callers.
#pragma once

#include <windows.h>

#include <cstdint>

namespace bench {

struct GuiObjects {
    // GDI objects by kind; stock objects included.
    std::uint32_t dcs = 0;
    std::uint32_t bitmaps = 0;
    std::uint32_t brushes = 0;
    std::uint32_t pens = 0;
    std::uint32_t fonts = 0;
    std::uint32_t regions = 0;
    std::uint32_t otherGdi = 0;
    // USER objects by kind: windows of every thread of the process, menus,
    // icons and cursors.
    std::uint32_t windows = 0;
    std::uint32_t menus = 0;
    std::uint32_t icons = 0;

    std::uint32_t Gdi() const
    {
        return dcs + bitmaps + brushes + pens + fonts + regions + otherGdi;
    }
    std::uint32_t User() const { return windows + menus + icons; }
};

inline constexpr wchar_t kGuiProbeMessage[] = L"bench.GuiProbe.CountObjects";
inline constexpr wchar_t kGuiProbeLibrary[] = L"guiprobe.dll";
inline constexpr char kGuiProbeHook[] = "GuiProbeHook";

}  // namespace bench
