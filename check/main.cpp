// portcheck: shows the Qorvel board's five ports in decimal every 100 ms and
// writes five decimal values on request.
#include "FCal.h"
#include "LibraryBoardOps.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    LibraryBoardOps board;
    FCal form(instance, board);
    return form.Run(showCommand);
}
