#include "Form.h"

#include <algorithm>
#include <utility>

namespace forms {

namespace {

constexpr wchar_t kClassName[] = L"SingleForm";
constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_WINDOWEDGE;
// Returned by Run when a handler threw: nothing may unwind through Windows.
constexpr int kExitHandlerFailed = 3;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return {L"STATIC", SS_LEFT, 0};
    case ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {L"STATIC", 0, 0};
}

class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    int PixelsPerInch(int axis) const { return dc_ ? GetDeviceCaps(dc_, axis) : 96; }

private:
    HDC dc_;
};

PixelRect WorkAreaNear(const PixelRect& window)
{
    const RECT rect{window.left, window.top, window.left + window.width, window.top + window.height};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    const RECT& work = info.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

bool RegisterFormClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

Form::Form(HINSTANCE instance, const FormSpec& look, std::vector<ControlSpec> controls,
           std::wstring title)
    : instance_(instance), look_(look), controls_(std::move(controls)), title_(std::move(title))
{
    std::stable_sort(controls_.begin(), controls_.end(),
                     [](const ControlSpec& a, const ControlSpec& b) { return a.tabIndex < b.tabIndex; });
}

Form::~Form()
{
    if (window_)
        DestroyWindow(window_);
}

int Form::Run(int showCommand)
{
    int dpiX = 96;
    int dpiY = 96;
    {
        const ScreenDC screen;
        dpiX = screen.PixelsPerInch(LOGPIXELSX);
        dpiY = screen.PixelsPerInch(LOGPIXELSY);
    }
    if (!Create(dpiX, dpiY))
        return -1;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    FocusNext(nullptr, false);
    if (look_.timerIntervalMs > 0)
        timerRunning_ = SetTimer(window_, kTimerId, look_.timerIntervalMs, nullptr) != 0;
    Load();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (HandleTabKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return exitCode_;
}

bool Form::Create(int dpiX, int dpiY)
{
    if (!RegisterFormClass(instance_, WindowProc))
        return false;

    const PixelRect client = ToPixels(look_.client, dpiX, dpiY);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    PixelRect outer{client.left + frame.left, client.top + frame.top, frame.right - frame.left,
                    frame.bottom - frame.top};
    outer = MoveInside(outer, WorkAreaNear(outer));

    CreateWindowExW(kExStyle, kClassName, look_.caption, kStyle, outer.left, outer.top,
                    outer.width, outer.height, nullptr, nullptr, instance_, this);
    if (!window_)
        return false;

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    bigIcon_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(look_.iconId), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(look_.iconId),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

    CreateControls(dpiX, dpiY);
    return true;
}

void Form::CreateControls(int dpiX, int dpiY)
{
    for (const ControlSpec& control : controls_) {
        const ControlClass kind = ClassOf(control.kind);
        const PixelRect rect = ToPixels(control.rect, dpiX, dpiY);
        const DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (control.enabled ? 0 : WS_DISABLED);
        HWND child = CreateWindowExW(kind.exStyle, kind.className, control.text, style, rect.left,
                                     rect.top, rect.width, rect.height, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                     instance_, nullptr);
        if (child && font_)
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
}

std::wstring Form::Text(int id) const
{
    HWND control = Control(id);
    const int length = GetWindowTextLengthW(control);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, &text[0], length + 1)));
    return text;
}

void Form::SetText(int id, const std::wstring& text)
{
    SetWindowTextW(Control(id), text.c_str());
}

void Form::FocusAndSelectAll(int id)
{
    HWND control = Control(id);
    // Also what a late reactivation of the form (after a message box) restores.
    focus_ = control;
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

void Form::StopTimer()
{
    if (timerRunning_ && window_)
        KillTimer(window_, kTimerId);
    timerRunning_ = false;
}

void Form::ShowMessage(const std::wstring& text, MessageIcon icon)
{
    UINT type = MB_OK;
    if (icon == MessageIcon::Warning)
        type |= MB_ICONWARNING;
    else if (icon == MessageIcon::Error)
        type |= MB_ICONERROR;
    // The box runs its own message loop; a tick meanwhile would run the
    // form's timer event under the box.
    messageOpen_ = true;
    MessageBoxW(window_, text.c_str(), title_.c_str(), type);
    messageOpen_ = false;
}

void Form::Unload(int exitCode)
{
    exitCode_ = exitCode;
    if (window_)
        DestroyWindow(window_);
}

// The Tab key is handled here rather than by IsDialogMessage, which walks the
// controls in Z order and gives Enter and Escape a meaning the form has not.
bool Form::HandleTabKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !window_)
        return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd))
        return false;
    if (GetKeyState(VK_CONTROL) < 0)
        return false;
    FocusNext(GetFocus(), GetKeyState(VK_SHIFT) < 0);
    return true;
}

void Form::FocusNext(HWND from, bool backwards)
{
    const int count = static_cast<int>(controls_.size());
    int current = backwards ? count : -1;
    for (int i = 0; i < count; ++i)
        if (from && Control(controls_[i].id) == from)
            current = i;
    for (int step = 1; step <= count; ++step) {
        const int i = ((current + (backwards ? -step : step)) % count + count) % count;
        const ControlSpec& control = controls_[i];
        HWND candidate = Control(control.id);
        if (control.kind == ControlKind::Label || !IsWindowEnabled(candidate) ||
            !IsWindowVisible(candidate))
            continue;
        SetFocus(candidate);
        if (control.kind == ControlKind::TextBox)
            SendMessageW(candidate, EM_SETSEL, 0, -1);
        return;
    }
}

void Form::RestoreFocus()
{
    if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_))
        SetFocus(focus_);
    else
        FocusNext(nullptr, false);
}

const ControlSpec* Form::Find(int id) const
{
    for (const ControlSpec& control : controls_)
        if (control.id == id)
            return &control;
    return nullptr;
}

HWND Form::Control(int id) const
{
    return window_ ? GetDlgItem(window_, id) : nullptr;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (...) {
        form->exitCode_ = kExitHandlerFailed;
        PostQuitMessage(kExitHandlerFailed);
        return 0;
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = window_;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            const ControlSpec* control = Find(LOWORD(wParam));
            if (control && control->kind == ControlKind::CommandButton)
                Click(control->id);
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kTimerId) {
            if (!messageOpen_)
                Timer();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // As a dialog does: the focused control is kept while another window
        // (a message box) is active and gets the focus back afterwards.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus))
                focus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_DESTROY:
        StopTimer();
        PostQuitMessage(exitCode_);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        focus_ = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace forms
