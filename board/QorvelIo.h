// QorvelIo.h - the five operations of the Qorvel board library (QorvelIo.dll).
//
// The library is a 32-bit DLL. Every operation is __stdcall (the callee pops its
// arguments) and every argument occupies one 32-bit slot; byte arguments are
// defined in their low 8 bits only. The exports carry undecorated names at fixed
// ordinals:
//
//   InitBoard      @1      PortRead   @13     Port1Write  @15
//   PortConfigure  @12     PortWrite  @14
//
// Ports are always passed in the order P4, P5, P6, P7, P1 (see PortId).
// Call the operations from one thread only; none of them is reentrant.
#pragma once

#include <array>
#include <cstdint>

// Index of a port in every five-port argument list and in a PortBank.
enum class PortId : int { P4 = 0, P5 = 1, P6 = 2, P7 = 3, P1 = 4 };
constexpr int kPortCount = 5;

// One byte per port in PortId order; bit n is pin n.
using PortBank = std::array<std::uint8_t, kPortCount>;

// Configuration of one port. Bit n set makes pin n an output, clear an input;
// the board uses the low 8 bits. Bits 0 and 1 of P1 are the USB data lines and
// never become outputs.
using ConfigWord = std::uint32_t;

constexpr ConfigWord kAllInput = 0x0000;
constexpr ConfigWord kAllOutput = 0xFFFF;
constexpr ConfigWord kP1AllInput = 0x00;
constexpr ConfigWord kP1AllOutput = 0xFC;

extern "C" {

// Looks for the board on the USB bus. Returns nonzero when it was found and 0
// when not. Call it once, when the program's window opens; it needs no matching
// close. The other operations may still be called after it returned 0: they then
// act on no hardware and PortRead may leave its bytes untouched.
std::uint32_t __stdcall InitBoard(void);

// Configures all five ports at once (see ConfigWord).
void __stdcall PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                             ConfigWord p1);

// Stores each port's current pin levels into the one byte at its address. An
// output pin reads back its driven level, an input pin its external level.
void __stdcall PortRead(std::uint8_t* p4, std::uint8_t* p5, std::uint8_t* p6, std::uint8_t* p7,
                        std::uint8_t* p1);

// Drives the output pins of ports 4 to 7 to these bytes.
void __stdcall PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7);

// Sets one bit of port 1: pin `bit` (2 to 7) to 1 when `level` is nonzero, to 0
// when it is 0. Other bit numbers change nothing.
void __stdcall Port1Write(std::uint8_t level, std::uint8_t bit);

}  // extern "C"
