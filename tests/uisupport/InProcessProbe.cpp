#include "InProcessProbe.h"

#include "Program.h"

#include <memory>
#include <type_traits>

namespace uitest {

namespace {

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* reply = reinterpret_cast<std::optional<std::string>*>(
            GetWindowLongPtrW(window, GWLP_USERDATA));
        reply->emplace(static_cast<const char*>(data->lpData), data->cbData);
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

}  // namespace

std::optional<std::string> AskProbe(HWND window, const wchar_t* library, const char* hookName,
                                    const wchar_t* message, UINT timeoutMs)
{
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryCloser> probe(
        LoadLibraryW((BinDir() + L'\\' + library).c_str()));
    const auto hookProc =
        probe ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe.get(), hookName)))
              : nullptr;
    if (!hookProc)
        return std::nullopt;

    static const wchar_t kReplyClass[] = L"uitest.ProbeReply";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReplyProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassW(&windowClass);
    const std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> reply(
        CreateWindowW(kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                      GetModuleHandleW(nullptr), nullptr));
    if (!reply)
        return std::nullopt;
    std::optional<std::string> answer;
    SetWindowLongPtrW(reply.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answer));

    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, HookCloser> hook(
        SetWindowsHookExW(WH_CALLWNDPROC, hookProc, probe.get(), thread));
    if (!hook)
        return std::nullopt;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, RegisterWindowMessageW(message),
                        reinterpret_cast<WPARAM>(reply.get()), 0, SMTO_NORMAL, timeoutMs, &ignored);
    return answer;
}

}  // namespace uitest
