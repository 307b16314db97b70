// LibraryBoardOps - BoardOps on QorvelIo.dll, bound by name on the first call
// of each operation.
#pragma once

#include "BoardLibrary.h"
#include "BoardOps.h"

class LibraryBoardOps : public BoardOps {
public:
    bool InitBoard(std::uint32_t& found) override { return library_.InitBoard(found); }
    bool PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                       ConfigWord p1) override
    {
        return library_.PortConfigure(p4, p5, p6, p7, p1);
    }
    bool PortRead(PortBank& bank) override { return library_.PortRead(bank); }
    bool PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) override
    {
        return library_.PortWrite(p4, p5, p6, p7);
    }
    bool Port1Write(std::uint8_t level, std::uint8_t bit) override
    {
        return library_.Port1Write(level, bit);
    }
    std::wstring Error() const override { return library_.Error(); }

private:
    BoardLibrary library_;
};
