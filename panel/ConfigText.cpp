#include "ConfigText.h"

#include <cstdint>

namespace {

// wchar_t is signed on some platforms: compare its code as unsigned.
bool IsAscii(wchar_t c) { return static_cast<std::uint32_t>(c) < 0x80; }

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

}  // namespace

ConfigWord ConfigTextToWord(std::wstring_view text)
{
    std::size_t end = 0;
    while (end < text.size() && IsAscii(text[end]))
        ++end;
    std::size_t pos = 0;
    while (pos < end && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < end && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    if (end - pos >= 2 && text[pos] == L'0' && (text[pos + 1] == L'x' || text[pos + 1] == L'X'))
        pos += 2;

    // Worked out in 32 bits whatever the width of the platform's unsigned long,
    // so that the word is the same natively and on Windows.
    std::uint32_t value = 0;
    bool overflow = false;
    for (; pos < end && HexDigit(text[pos]) >= 0; ++pos) {
        overflow = overflow || value > 0x0FFFFFFFu;
        value = (value << 4) | static_cast<std::uint32_t>(HexDigit(text[pos]));
    }
    if (overflow)
        return 0xFFFFFFFFu;
    return negative ? 0u - value : value;
}

void ToUpperAscii(std::wstring& text)
{
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
}
