#include "Decimal.h"

namespace forms {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring ByteToDecimal(std::uint8_t value)
{
    return std::to_wstring(static_cast<unsigned>(value));
}

std::optional<std::uint8_t> DecimalToByte(std::wstring_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;

    unsigned value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const wchar_t c = text[i];
        if (c < L'0' || c > L'9')
            return std::nullopt;
        // Checked per digit, so that any number of digits cannot overflow.
        value = value * 10 + static_cast<unsigned>(c - L'0');
        if (value > 255)
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace forms
