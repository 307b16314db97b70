// BoardOps - the five board operations as the check window calls them. Each
// returns false when it could not be called at all (library or operation
// missing); Error() then says which and why.
#pragma once

#include "QorvelIo.h"

#include <string>

class BoardOps {
public:
    virtual ~BoardOps() = default;
    virtual bool InitBoard(std::uint32_t& found) = 0;
    virtual bool PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                               ConfigWord p1) = 0;
    virtual bool PortRead(PortBank& bank) = 0;
    virtual bool PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) = 0;
    virtual bool Port1Write(std::uint8_t level, std::uint8_t bit) = 0;
    virtual std::wstring Error() const = 0;
};
