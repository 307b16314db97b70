#include "WindowAccess.h"

#include "Wait.h"

#include <memory>

namespace uitest {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId)
{
    Search search{processId, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD processId, const wchar_t* className, const wchar_t* caption)
{
    for (HWND window : TopWindows(processId)) {
        if (className && ClassName(window) != className)
            continue;
        if (caption && Text(window) != caption)
            continue;
        return window;
    }
    return nullptr;
}

HWND WaitForTopWindow(DWORD processId, const wchar_t* className, const wchar_t* caption,
                      DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopWindow(processId, className, caption)) != nullptr; },
              timeoutMs);
    return window;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

std::wstring Text(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length))
        return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

void SetText(HWND window, const std::wstring& text)
{
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

LONG ExStyle(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE); }

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND window)
{
    RECT rect = ScreenRect(window);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool PostClicksAtOnce(const std::vector<HWND>& buttons)
{
    if (buttons.empty())
        return true;
    const DWORD threadId = GetWindowThreadProcessId(buttons.front(), nullptr);
    const std::unique_ptr<void, decltype(&CloseHandle)> thread(
        OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId), &CloseHandle);
    const bool held = thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1);
    for (HWND button : buttons)
        PostClick(button);
    if (held)
        ResumeThread(thread.get());
    return held;
}

void TypeChars(HWND window, const std::wstring& text)
{
    for (wchar_t c : text)
        SendMessageW(window, WM_CHAR, c, 1);
}

void PostKey(HWND window, UINT virtualKey)
{
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

void PostSysCommand(HWND window, WPARAM command)
{
    PostMessageW(window, WM_SYSCOMMAND, command, 0);
}

HWND FocusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

}  // namespace uitest
