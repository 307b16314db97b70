// The panel's configuration texts against the C library's own strtoull on
// their ASCII prefix, brought to a 32-bit unsigned long.
#include "ConfigText.h"
#include "FuzzInput.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

std::uint32_t ReferenceWord(const std::wstring& text)
{
    std::string ascii;
    for (const wchar_t c : text) {
        if (c < 0 || c >= 0x80)
            break;
        ascii += static_cast<char>(c);
    }
    errno = 0;
    const unsigned long long result = std::strtoull(ascii.c_str(), nullptr, 16);
    if (errno == ERANGE)
        return 0xFFFFFFFFu;
    const char* first = ascii.c_str();
    while (std::isspace(static_cast<unsigned char>(*first)))
        ++first;
    const unsigned long long magnitude = *first == '-' ? 0 - result : result;
    if (magnitude > 0xFFFFFFFFu)
        return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(result);
}

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

void CheckWord(std::uint32_t expected, const std::wstring& text)
{
    const ConfigWord word = ConfigTextToWord(text);
    if (word != expected)
        Fail("word " + Hex(word) + ", expected " + Hex(expected), Escaped(text));
}

void CheckUpperCase(const std::wstring& text)
{
    std::wstring upper = text;
    ToUpperAscii(upper);
    if (upper.size() != text.size())
        Fail("upper-casing changed the length", Escaped(text));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const wchar_t expected = c >= 0 && c < 0x80 ? static_cast<wchar_t>(std::toupper(c)) : c;
        if (upper[i] != expected)
            Fail("upper-casing gave \"" + Escaped(upper) + "\"", Escaped(text));
    }
    // The text shown after an update configures what the typed one did.
    if (ConfigTextToWord(upper) != ConfigTextToWord(text))
        Fail("upper case \"" + Escaped(upper) + "\" reads as another word", Escaped(text));
}

void CheckFormattedWord(std::uint32_t value)
{
    struct Form {
        const wchar_t* format;
        bool negated;
    };
    static const Form forms[] = {
        {L"%X", false},         {L"%x", false},   {L"%08X", false}, {L"0x%x", false},
        {L" \t\n+0X%X", false}, {L"-%X", true},   {L"-0x%x", true}, {L"%Xg", false},
        {L"%X\uFF11", false},   {L"%X %X", false},
    };
    for (const Form& form : forms) {
        wchar_t text[64];
        std::swprintf(text, 64, form.format, static_cast<unsigned>(value), 0xABCDu);
        CheckWord(form.negated ? 0u - value : value, text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = WideText(data, size);
    CheckWord(ReferenceWord(text), text);
    CheckUpperCase(text);
    if (size >= 4)
        CheckFormattedWord(std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                           std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24);
    return 0;
}
