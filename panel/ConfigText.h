// The panel's configuration texts: the hexadecimal word a text configures and
// the upper-case form the panel shows after an update. No Windows here: the
// conversion is checked on its own against arbitrary text.
#pragma once

#include "QorvelIo.h"

#include <string>
#include <string_view>

// Reads the text like the C library's strtoul with base 16 and a 32-bit
// unsigned long: leading white space, an optional sign (minus negates modulo
// 2^32), an optional 0x or 0X, then hex digits up to the first other character;
// no digits give 0 and a value beyond 32 bits gives FFFFFFFF. Only the text's
// ASCII prefix counts, so a full-width digit from an IME ends the number.
ConfigWord ConfigTextToWord(std::wstring_view text);

// Upper-cases the ASCII letters and leaves every other character as it is.
void ToUpperAscii(std::wstring& text);
