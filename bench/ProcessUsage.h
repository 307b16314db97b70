// What another process costs: CPU time, memory, kernel handles and (through
// guiprobe.dll) its GDI and USER objects. Each reading is taken from outside
// by a monitor process.
#pragma once

#include "GuiObjects.h"

#include <windows.h>

#include <cstddef>
#include <optional>

namespace bench {

// User plus system CPU seconds of the process's live threads. (Wine 8's
// GetProcessTimes leaves most of another process's time out; its
// GetThreadTimes reads the kernel's figures.)
double CpuSeconds(DWORD processId);

struct Memory {
    // The commit charge: PrivateUsage on Windows; under Wine, which leaves
    // that 0, PagefileUsage (the process's anonymous resident memory).
    std::size_t privateBytes = 0;
    std::size_t workingSet = 0;
};
Memory MemoryOf(HANDLE process);

// Kernel handles the process holds, from the system's handle list
// (GetProcessHandleCount returns 0 under Wine), or nothing.
std::optional<std::size_t> KernelHandles(DWORD processId);

// Counted inside the process that owns `window` by guiprobe.dll, which must
// lie beside the running program; nothing when the probe did not answer.
std::optional<GuiObjects> CountGuiObjects(HWND window);

struct Usage {
    GuiObjects gui;
    std::size_t kernelHandles = 0;
    Memory memory;
};
// Every reading at once; nothing when one of them failed.
std::optional<Usage> UsageOf(HANDLE process, HWND window);

}  // namespace bench
