// SimBoard - the pin model of the simulated Qorvel board.
//
// Per port: an output latch, an external input level and a direction mask (bit
// set = output). A pin reads its latch when it is an output and its external
// level when it is an input. Bits 0 and 1 of P1 are the USB data lines and are
// never outputs, whatever the configuration says.
#pragma once

#include "QorvelIo.h"

class SimBoard {
public:
    static constexpr std::uint8_t kUsbLines = 0x03;

    explicit SimBoard(const PortBank& inputs = Filled(0xFF), const PortBank& latches = Filled(0xFF));

    void Configure(const std::array<ConfigWord, kPortCount>& words);
    PortBank Read() const;
    void Write(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7);
    void WritePort1Bit(std::uint8_t level, std::uint8_t bit);
    void SetInputs(const PortBank& inputs) { inputs_ = inputs; }

    const PortBank& Directions() const { return directions_; }
    const PortBank& Latches() const { return latches_; }

    static PortBank Filled(std::uint8_t value);

private:
    PortBank inputs_;
    PortBank latches_;
    PortBank directions_{};
};
