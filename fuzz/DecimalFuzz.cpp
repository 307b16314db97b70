// The check window's write boxes: any text gives the byte of a decimal number
// from 0 to 255 with blanks around it, or nothing; a shown byte reads back.
#include "Decimal.h"
#include "FuzzInput.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace {

std::optional<std::uint8_t> ReferenceByte(const std::wstring& text)
{
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(L" \t");
    const std::wstring number = text.substr(first, last - first + 1);
    if (number.find_first_not_of(L"0123456789") != std::wstring::npos)
        return std::nullopt;
    const std::size_t significant = number.find_first_not_of(L'0');
    if (significant == std::wstring::npos)
        return 0;
    if (number.size() - significant > 3)
        return std::nullopt;
    const unsigned long value = std::wcstoul(number.c_str() + significant, nullptr, 10);
    if (value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::string Describe(const std::optional<std::uint8_t>& byte)
{
    return byte ? std::to_string(*byte) : "nothing";
}

void CheckShownByte(std::uint8_t byte)
{
    const std::wstring shown = forms::ByteToDecimal(byte);
    const bool plain = !shown.empty() && shown.size() <= 3 &&
                       shown.find_first_not_of(L"0123456789") == std::wstring::npos &&
                       (shown[0] != L'0' || shown.size() == 1);
    if (!plain)
        Fail("byte " + std::to_string(byte) + " is not shown as a plain number", Escaped(shown));
    for (const std::wstring& typed : {shown, L" \t" + shown + L"\t ", L"00" + shown}) {
        const auto read = forms::DecimalToByte(typed);
        if (read != byte)
            Fail("read back as " + Describe(read) + " from byte " + std::to_string(byte), Escaped(typed));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = WideText(data, size);
    const auto byte = forms::DecimalToByte(text);
    const auto expected = ReferenceByte(text);
    if (byte != expected)
        Fail("gave " + Describe(byte) + ", expected " + Describe(expected), Escaped(text));
    if (byte) {
        // What the box accepted is what it would show, once blanks and zeros are gone.
        const std::wstring shown = forms::ByteToDecimal(*byte);
        const std::size_t first = text.find_first_not_of(L" \t");
        std::wstring number = text.substr(first, text.find_last_not_of(L" \t") - first + 1);
        number.erase(0, std::min(number.find_first_not_of(L'0'), number.size() - 1));
        if (number != shown)
            Fail("accepted text shows as \"" + Escaped(shown) + "\"", Escaped(text));
    }
    if (size > 0)
        CheckShownByte(data[0]);
    return 0;
}
