#include "Decimal.h"

#include <gtest/gtest.h>

namespace {

using forms::ByteToDecimal;
using forms::DecimalToByte;

TEST(DecimalTest, EveryByteRoundTripsThroughItsPlainDecimalText)
{
    for (unsigned value = 0; value <= 255; ++value) {
        const std::wstring text = ByteToDecimal(static_cast<std::uint8_t>(value));
        EXPECT_EQ(text, std::to_wstring(value));
        EXPECT_EQ(DecimalToByte(text), std::optional<std::uint8_t>(value)) << value;
    }
}

struct Accepted {
    const wchar_t* text;
    int value;
};

void PrintTo(const Accepted& accepted, std::ostream* out)
{
    *out << ::testing::PrintToString(std::wstring(accepted.text)) << " is " << accepted.value;
}

class DecimalAcceptTest : public ::testing::TestWithParam<Accepted> {};

TEST_P(DecimalAcceptTest, AcceptsAWholeNumberWithBlanksAround)
{
    EXPECT_EQ(DecimalToByte(GetParam().text), std::optional<std::uint8_t>(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalAcceptTest,
                         ::testing::Values(Accepted{L"0", 0}, Accepted{L"255", 255}, Accepted{L" 7 ", 7},
                                           Accepted{L"\t42\t", 42}, Accepted{L"007", 7},
                                           Accepted{L"00000000000000000000000255", 255}));

class DecimalRejectTest : public ::testing::TestWithParam<std::wstring> {};

TEST_P(DecimalRejectTest, RejectsAnythingButADecimalByte)
{
    EXPECT_EQ(DecimalToByte(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalRejectTest,
    ::testing::Values(L"", L"   ", L"Text1", L"256", L"300", L"-1", L"+1", L"-0", L"1.5", L"1e2", L"0x10",
                      L"12a", L"1 2", L"99999999999999999999999", L"4294967297",
                      L"\x0661\x0662",  // Arabic-Indic digits
                      L"\xFF11\xFF12",  // full-width digits
                      std::wstring(L"12\0" L"3", 4), L"\n5", L"5\r\n", L"\x00A0" L"5"));

}  // namespace
