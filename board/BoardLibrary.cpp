#include "BoardLibrary.h"

#include <utility>

namespace {

const char* const kOperationNames[] = {"InitBoard", "PortConfigure", "PortRead", "PortWrite",
                                       "Port1Write"};

std::wstring FolderOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return FolderOf(path);
        }
        path.resize(path.size() * 2);
    }
}

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    return std::wstring(buffer, length) + L"\\";
}

std::wstring SystemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return message;
}

// The header's own declarations give the pointer types, so the calling
// convention of a bound operation cannot differ from the imported one.
using InitBoardFn = decltype(::InitBoard);
using PortConfigureFn = decltype(::PortConfigure);
using PortReadFn = decltype(::PortRead);
using PortWriteFn = decltype(::PortWrite);
using Port1WriteFn = decltype(::Port1Write);

std::wstring Widen(const char* ascii)
{
    std::wstring wide;
    while (*ascii)
        wide += static_cast<wchar_t>(*ascii++);
    return wide;
}

}  // namespace

BoardLibrary::BoardLibrary(std::wstring fileName) : fileName_(std::move(fileName)) {}

bool BoardLibrary::Load()
{
    if (loadAttempted_)
        return module_ != nullptr;
    loadAttempted_ = true;

    // Full paths only: a bare name would let the loader search the current
    // directory and PATH.
    const std::wstring folders[] = {ProgramFolder(), SystemFolder()};
    DWORD failure = ERROR_MOD_NOT_FOUND;
    std::wstring failedPath;
    for (const auto& folder : folders) {
        if (folder.empty())
            continue;
        const std::wstring path = folder + fileName_;
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        module_.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        if (module_)
            return true;
        failure = GetLastError();
        failedPath = path;
    }
    if (failedPath.empty())
        error_ = fileName_ + L" was not found beside the program (" + folders[0] +
                 L") or in the Windows system folder (" + folders[1] + L").";
    else
        error_ = fileName_ + L" could not be loaded from " + failedPath + L": " +
                 SystemMessage(failure) + L".";
    return false;
}

template <typename Function>
Function* BoardLibrary::Bind(Operation op)
{
    if (!procs_[op]) {
        if (!Load())
            return nullptr;
        procs_[op] = GetProcAddress(module_.get(), kOperationNames[op]);
        if (!procs_[op]) {
            error_ = fileName_ + L" has no operation " + Widen(kOperationNames[op]) + L".";
            return nullptr;
        }
    }
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(procs_[op]));
}

bool BoardLibrary::InitBoard(std::uint32_t& found)
{
    auto* call = Bind<InitBoardFn>(kInitBoard);
    if (!call)
        return false;
    found = call();
    return true;
}

bool BoardLibrary::PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                                 ConfigWord p1)
{
    auto* call = Bind<PortConfigureFn>(kPortConfigure);
    if (!call)
        return false;
    call(p4, p5, p6, p7, p1);
    return true;
}

bool BoardLibrary::PortRead(PortBank& bank)
{
    auto* call = Bind<PortReadFn>(kPortRead);
    if (!call)
        return false;
    call(&bank[0], &bank[1], &bank[2], &bank[3], &bank[4]);
    return true;
}

bool BoardLibrary::PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7)
{
    auto* call = Bind<PortWriteFn>(kPortWrite);
    if (!call)
        return false;
    call(p4, p5, p6, p7);
    return true;
}

bool BoardLibrary::Port1Write(std::uint8_t level, std::uint8_t bit)
{
    auto* call = Bind<Port1WriteFn>(kPort1Write);
    if (!call)
        return false;
    call(level, bit);
    return true;
}
