// Decimal conversions between bytes and the texts of a form's boxes. No
// Windows here: the parsing is checked on its own against arbitrary input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace forms {

// "0" to "255": no sign, no leading zeros, no blanks.
std::wstring ByteToDecimal(std::uint8_t value);

// A whole decimal number from 0 to 255 in ASCII digits, with any number of
// blanks (spaces or tabs) around it and nothing else: no sign, no fraction,
// no exponent, no hexadecimal prefix. Anything else gives no value.
std::optional<std::uint8_t> DecimalToByte(std::wstring_view text);

}  // namespace forms
