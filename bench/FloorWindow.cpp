// floorwindow.exe: the least a 100 ms LED panel can cost, for comparison. A
// bare window whose 100 ms timer repaints it with 32 copies of a 25 x 23
// bitmap, and nothing else.
#include <windows.h>

namespace {

constexpr int kLedWidth = 25;
constexpr int kLedHeight = 23;
constexpr int kColumns = 8;
constexpr int kRows = 4;
constexpr UINT kPeriodMs = 100;

HDC ledDc;
HBITMAP ledBitmap;
HGDIOBJ ledPrevious;

void CreateLed()
{
    const HDC screen = GetDC(nullptr);
    ledDc = CreateCompatibleDC(screen);
    ledBitmap = CreateCompatibleBitmap(screen, kLedWidth, kLedHeight);
    ReleaseDC(nullptr, screen);
    ledPrevious = SelectObject(ledDc, ledBitmap);
    const RECT all{0, 0, kLedWidth, kLedHeight};
    FillRect(ledDc, &all, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

void DestroyLed()
{
    SelectObject(ledDc, ledPrevious);
    DeleteObject(ledBitmap);
    DeleteDC(ledDc);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        for (int i = 0; i < kColumns * kRows; ++i)
            BitBlt(dc, (i % kColumns) * kLedWidth, (i / kColumns) * kLedHeight, kLedWidth,
                   kLedHeight, ledDc, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    CreateLed();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"FloorWindow";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, kColumns * kLedWidth, kRows * kLedHeight};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    const HWND window = CreateWindowW(L"FloorWindow", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                      frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                      nullptr, instance, nullptr);
    ShowWindow(window, show);
    SetTimer(window, 1, kPeriodMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyLed();
    return 0;
}
