#include "CallLog.h"

#include <cstdio>

namespace {

std::string Hex(unsigned long value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*lX", digits, value);
    return buffer;
}

std::string Start(unsigned long ms, const char* operation)
{
    return std::to_string(ms) + ' ' + operation;
}

}  // namespace

namespace CallLog {

std::string InitBoard(unsigned long ms, std::uint32_t result)
{
    return Start(ms, "InitBoard") + " -> " + std::to_string(result) + '\n';
}

std::string PortConfigure(unsigned long ms, const std::array<ConfigWord, kPortCount>& words)
{
    std::string line = Start(ms, "PortConfigure");
    for (ConfigWord word : words)
        line += ' ' + Hex(word, 8);
    return line + '\n';
}

std::string PortRead(unsigned long ms, const PortBank& levels)
{
    std::string line = Start(ms, "PortRead") + " ->";
    for (std::uint8_t level : levels)
        line += ' ' + Hex(level, 2);
    return line + '\n';
}

std::string PortWrite(unsigned long ms, std::uint8_t p4, std::uint8_t p5, std::uint8_t p6,
                      std::uint8_t p7)
{
    return Start(ms, "PortWrite") + ' ' + Hex(p4, 2) + ' ' + Hex(p5, 2) + ' ' + Hex(p6, 2) + ' ' +
           Hex(p7, 2) + '\n';
}

std::string Port1Write(unsigned long ms, std::uint8_t level, std::uint8_t bit)
{
    return Start(ms, "Port1Write") + ' ' + Hex(level, 2) + ' ' + Hex(bit, 2) + '\n';
}

}  // namespace CallLog
