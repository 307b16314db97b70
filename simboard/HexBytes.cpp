#include "HexBytes.h"

#include <cstdint>
#include <string>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<PortBank> ParseFiveHexBytes(std::string_view text)
{
    PortBank bytes{};
    std::size_t pos = 0;
    for (int port = 0; port < kPortCount; ++port) {
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
        const std::size_t start = pos;
        unsigned value = 0;
        while (pos < text.size() && HexDigit(text[pos]) >= 0) {
            value = value * 16 + static_cast<unsigned>(HexDigit(text[pos]));
            ++pos;
            if (pos - start > 2)
                return std::nullopt;
        }
        if (pos == start)
            return std::nullopt;
        if (pos < text.size() && !IsSpace(text[pos]))
            return std::nullopt;
        bytes[port] = static_cast<std::uint8_t>(value);
    }
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    return bytes;
}

std::optional<PortBank> ParseFiveHexBytes(std::wstring_view text)
{
    std::string narrow;
    for (wchar_t c : text) {
        // wchar_t is signed on some platforms: compare its code as unsigned.
        if (static_cast<std::uint32_t>(c) >= 0x80)
            return std::nullopt;
        narrow += static_cast<char>(c);
    }
    return ParseFiveHexBytes(narrow);
}
