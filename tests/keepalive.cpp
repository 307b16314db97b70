// Keeps one Wine process alive while the tests run, so that each test program
// starts against a warm wineserver instead of booting Wine's services anew.
#include <windows.h>

int main()
{
    Sleep(INFINITE);
}
