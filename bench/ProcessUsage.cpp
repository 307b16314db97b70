#include "ProcessUsage.h"

#include "InProcessProbe.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace bench {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

// SystemExtendedHandleInformation: ULONG_PTR process IDs, unlike the older
// class 16 whose 16-bit IDs can collide.
constexpr auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT creatorBackTrace;
    USHORT typeIndex;
    ULONG attributes;
    ULONG reserved;
};
struct HandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};


}  // namespace

double CpuSeconds(DWORD processId)
{
    const HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (taken == INVALID_HANDLE_VALUE)
        return 0;
    const OwnedHandle snapshot(taken);
    double seconds = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more;
         more = Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        const OwnedHandle thread(
            OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
        FILETIME created, exited, kernel, user;
        if (thread && GetThreadTimes(thread.get(), &created, &exited, &kernel, &user))
            seconds += Seconds(kernel) + Seconds(user);
    }
    return seconds;
}

Memory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    Memory memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        memory.privateBytes =
            counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
        memory.workingSet = counters.WorkingSetSize;
    }
    return memory;
}

std::optional<std::size_t> KernelHandles(DWORD processId)
{
    std::vector<unsigned char> buffer(256 * 1024);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kExtendedHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return std::nullopt;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    std::size_t count = 0;
    for (ULONG_PTR i = 0; i < list->count; ++i)
        count += list->entries[i].processId == processId;
    return count;
}

std::optional<GuiObjects> CountGuiObjects(HWND window)
{
    const std::optional<std::string> bytes =
        uitest::AskProbe(window, kGuiProbeLibrary, kGuiProbeHook, kGuiProbeMessage, 10000);
    if (!bytes || bytes->size() != sizeof(GuiObjects))
        return std::nullopt;
    GuiObjects counts;
    std::memcpy(&counts, bytes->data(), sizeof counts);
    return counts;
}

std::optional<Usage> UsageOf(HANDLE process, HWND window)
{
    const std::optional<GuiObjects> gui = CountGuiObjects(window);
    const std::optional<std::size_t> handles = KernelHandles(GetProcessId(process));
    if (!gui || !handles)
        return std::nullopt;
    return Usage{*gui, *handles, MemoryOf(process)};
}

}  // namespace bench
