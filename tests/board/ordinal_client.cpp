// Calls every board operation through the by-ordinal import library, so that
// its import table can be checked without the panel.
#include "QorvelIo.h"

int main()
{
    std::uint8_t levels[kPortCount] = {};
    if (!InitBoard())
        return 1;
    PortConfigure(kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput);
    PortWrite(0x12, 0x34, 0x56, 0x78);
    Port1Write(0, 2);
    PortRead(&levels[0], &levels[1], &levels[2], &levels[3], &levels[4]);
    return levels[0] == 0x12 && levels[3] == 0x78 && levels[4] == 0xFB ? 0 : 2;
}
