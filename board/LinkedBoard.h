// LinkedBoard - the board operations as imported when the program is loaded
// (by ordinal, through the import library of QorvelIo-ordinals.def).
#pragma once

#include "Board.h"

class LinkedBoard final : public Board {
public:
    std::uint32_t InitBoard() override { return ::InitBoard(); }
    void PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                       ConfigWord p1) override
    {
        ::PortConfigure(p4, p5, p6, p7, p1);
    }
    void PortRead(PortBank& bank) override
    {
        ::PortRead(&bank[0], &bank[1], &bank[2], &bank[3], &bank[4]);
    }
    void PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) override
    {
        ::PortWrite(p4, p5, p6, p7);
    }
    void Port1Write(std::uint8_t level, std::uint8_t bit) override { ::Port1Write(level, bit); }
};
