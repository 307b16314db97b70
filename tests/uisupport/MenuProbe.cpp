// uiprobe.dll: loaded into a program under test by a window hook, it reads the
// system menu of one of the program's windows (menu handles cannot be read
// from another process under Wine) and sends it back by WM_COPYDATA.
//
// Request: the registered message kMenuProbeMessage sent to the window, with
// the reply window in wParam. Reply: one line per item, "id<TAB>type<TAB>text".
#include "MenuProbe.h"

#include <string>

namespace {

std::wstring DescribeSystemMenu(HWND window)
{
    std::wstring lines;
    HMENU menu = GetSystemMenu(window, FALSE);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 256;
        if (GetMenuItemInfoW(menu, i, TRUE, &item))
            lines += std::to_wstring(item.wID) + L'\t' + std::to_wstring(item.fType) + L'\t' +
                     text + L'\n';
    }
    return lines;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM wParam,
                                                                LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == RegisterWindowMessageW(kMenuProbeMessage)) {
        const std::wstring lines = DescribeSystemMenu(call->hwnd);
        COPYDATASTRUCT data{};
        data.cbData = static_cast<DWORD>(lines.size() * sizeof(wchar_t));
        data.lpData = const_cast<wchar_t*>(lines.data());
        SendMessageW(reinterpret_cast<HWND>(call->wParam), WM_COPYDATA,
                     reinterpret_cast<WPARAM>(call->hwnd), reinterpret_cast<LPARAM>(&data));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
