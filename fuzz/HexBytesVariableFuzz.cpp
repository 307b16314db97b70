// The simulator's variables: any wide text gives five hex bytes or nothing,
// and a character outside ASCII is never taken for a digit or a separator.
#include "FuzzInput.h"
#include "HexBytes.h"
#include "HexBytesModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = WideText(data, size);
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c > 0 && c < 0x80 ? static_cast<char>(c) : '?';
    const auto bytes = ParseFiveHexBytes(std::wstring_view(text));
    const auto expected = ReferenceBytes(narrow);
    if (bytes != expected)
        Fail("gave " + Describe(bytes) + ", expected " + Describe(expected), Escaped(text));
    return 0;
}
