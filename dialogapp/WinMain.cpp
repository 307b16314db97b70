// The program's entry: runs the global application object.
#include "WinApp.h"

#include <cassert>
#include <exception>
#include <string>

namespace {

void ShowFatalError(const char* what)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, what, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, what, -1, text.data(), length);
    MessageBoxW(nullptr, text.c_str(), nullptr, MB_ICONERROR | MB_OK);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CWinApp* app = CWinApp::Current();
    assert(app && "the program defines one global application object");
    try {
        app->InitInstance();
        return 0;
    } catch (const std::exception& error) {
        ShowFatalError(error.what());
        return 1;
    }
}
