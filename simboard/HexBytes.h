// Parsing of the simulator's five-byte settings: "hh hh hh hh hh" (P4 P5 P6 P7 P1).
#pragma once

#include "QorvelIo.h"

#include <optional>
#include <string_view>

// Five hexadecimal bytes of one or two digits each, separated by blanks, tabs or
// line breaks, with nothing else around them. Anything else gives no value.
std::optional<PortBank> ParseFiveHexBytes(std::string_view text);

// The same for a wide text such as an environment variable's value: a character
// outside ASCII makes the text malformed.
std::optional<PortBank> ParseFiveHexBytes(std::wstring_view text);
