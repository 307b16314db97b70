#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

std::wstring WideText(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t lead = data[pos++];
        if (lead < 0x80) {
            text += static_cast<wchar_t>(lead);
            continue;
        }
        const std::size_t width = lead == 0xFF ? 4 : 2;
        if (size - pos < width)
            break;
        std::uint32_t code = 0;
        for (std::size_t i = 0; i < width; ++i)
            code |= std::uint32_t{data[pos + i]} << (8 * i);
        pos += width;
        text += static_cast<wchar_t>(code);
    }
    return text;
}

namespace {

template <typename Char>
std::string EscapedCodes(std::basic_string_view<Char> text)
{
    std::string out;
    for (const Char c : text) {
        const auto code = static_cast<std::uint32_t>(c) & (sizeof(Char) == 1 ? 0xFFu : 0xFFFFFFFFu);
        if (code >= 0x20 && code < 0x7F && code != '\\') {
            out += static_cast<char>(code);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\x{%X}", static_cast<unsigned>(code));
            out += escape;
        }
    }
    return out;
}

}  // namespace

std::string Escaped(std::wstring_view text) { return EscapedCodes(text); }

std::string Escaped(std::string_view text) { return EscapedCodes(text); }

void Fail(const std::string& what, const std::string& text)
{
    std::fprintf(stderr, "\nWRONG RESULT: %s\n  for the text \"%s\"\n", what.c_str(), text.c_str());
    std::fflush(stderr);
    std::abort();
}
