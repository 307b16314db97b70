#include "SimBoard.h"

namespace {
constexpr int kP1 = static_cast<int>(PortId::P1);
}

SimBoard::SimBoard(const PortBank& inputs, const PortBank& latches)
    : inputs_(inputs), latches_(latches)
{
}

PortBank SimBoard::Filled(std::uint8_t value)
{
    PortBank bank;
    bank.fill(value);
    return bank;
}

void SimBoard::Configure(const std::array<ConfigWord, kPortCount>& words)
{
    for (int port = 0; port < kPortCount; ++port)
        directions_[port] = static_cast<std::uint8_t>(words[port] & 0xFF);
    directions_[kP1] &= static_cast<std::uint8_t>(~kUsbLines);
}

PortBank SimBoard::Read() const
{
    PortBank levels;
    for (int port = 0; port < kPortCount; ++port)
        levels[port] = static_cast<std::uint8_t>((latches_[port] & directions_[port]) |
                                                 (inputs_[port] & ~directions_[port]));
    return levels;
}

void SimBoard::Write(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7)
{
    latches_[0] = p4;
    latches_[1] = p5;
    latches_[2] = p6;
    latches_[3] = p7;
}

void SimBoard::WritePort1Bit(std::uint8_t level, std::uint8_t bit)
{
    if (bit < 2 || bit > 7)
        return;
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    if (level)
        latches_[kP1] |= mask;
    else
        latches_[kP1] &= static_cast<std::uint8_t>(~mask);
}
