// The lines of the simulator's call log, one per board call, for example
//   "1234 PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC"
// Hex is upper case, a ConfigWord 8 digits, a byte 2; arguments in call order.
#pragma once

#include "QorvelIo.h"

#include <string>

namespace CallLog {

std::string InitBoard(unsigned long ms, std::uint32_t result);
std::string PortConfigure(unsigned long ms, const std::array<ConfigWord, kPortCount>& words);
std::string PortRead(unsigned long ms, const PortBank& levels);
std::string PortWrite(unsigned long ms, std::uint8_t p4, std::uint8_t p5, std::uint8_t p6,
                      std::uint8_t p7);
std::string Port1Write(unsigned long ms, std::uint8_t level, std::uint8_t bit);

}  // namespace CallLog
