// Board - the five board operations as an object, so that program logic can be
// run against the real library or against a recording fake in tests.
#pragma once

#include "QorvelIo.h"

class Board {
public:
    virtual ~Board() = default;
    virtual std::uint32_t InitBoard() = 0;
    virtual void PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                               ConfigWord p1) = 0;
    virtual void PortRead(PortBank& bank) = 0;
    virtual void PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) = 0;
    virtual void Port1Write(std::uint8_t level, std::uint8_t bit) = 0;
};
