#include "MenuProbe.h"
#include "Program.h"
#include "WindowAccess.h"

#include <memory>
#include <sstream>

namespace uitest {

namespace {

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* reply = reinterpret_cast<std::wstring*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        reply->assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct LibraryCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct HookCloser {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct WindowCloser {
    void operator()(HWND window) const { DestroyWindow(window); }
};

std::vector<MenuEntry> Parse(const std::wstring& lines)
{
    std::vector<MenuEntry> entries;
    std::wistringstream in(lines);
    std::wstring line;
    while (std::getline(in, line)) {
        const std::size_t tab1 = line.find(L'\t');
        const std::size_t tab2 = line.find(L'\t', tab1 + 1);
        if (tab1 == std::wstring::npos || tab2 == std::wstring::npos)
            continue;
        const UINT type = std::stoul(line.substr(tab1 + 1, tab2 - tab1 - 1));
        entries.push_back({static_cast<UINT>(std::stoul(line.substr(0, tab1))),
                           (type & MFT_SEPARATOR) != 0, line.substr(tab2 + 1)});
    }
    return entries;
}

}  // namespace

std::vector<MenuEntry> SystemMenu(HWND window)
{
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryCloser> probe(
        LoadLibraryW((BinDir() + L'\\' + kMenuProbeLibrary).c_str()));
    const auto hookProc =
        probe ? reinterpret_cast<HOOKPROC>(
                    reinterpret_cast<void*>(GetProcAddress(probe.get(), kMenuProbeHook))) : nullptr;
    if (!hookProc)
        return {};

    static const wchar_t kReplyClass[] = L"uitest.MenuProbe.Reply";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReplyProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassW(&windowClass);
    const std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> reply(
        CreateWindowW(kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                      GetModuleHandleW(nullptr), nullptr));
    if (!reply)
        return {};
    std::wstring lines;
    SetWindowLongPtrW(reply.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&lines));

    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, HookCloser> hook(
        SetWindowsHookExW(WH_CALLWNDPROC, hookProc, probe.get(), thread));
    if (!hook)
        return {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, RegisterWindowMessageW(kMenuProbeMessage),
                        reinterpret_cast<WPARAM>(reply.get()), 0, SMTO_NORMAL, 5000, &ignored);
    return Parse(lines);
}

}  // namespace uitest
