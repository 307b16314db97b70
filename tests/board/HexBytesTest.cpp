#include "HexBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct GoodText {
    std::string text;
    PortBank bytes;
};

TEST(SimHexBytes, AcceptsFiveBytesOfOneOrTwoDigitsBetweenWhitespace)
{
    const GoodText cases[] = {
        {"FF 00 12 03 FC", {0xFF, 0x00, 0x12, 0x03, 0xFC}},
        {"ff a0 Bc 0d eE", {0xFF, 0xA0, 0xBC, 0x0D, 0xEE}},
        {"f a 0 1 2", {0x0F, 0x0A, 0x00, 0x01, 0x02}},
        {"1 22 3 44 5", {0x01, 0x22, 0x03, 0x44, 0x05}},
        {"  \t12 34\r\n56\n78 9a \n", {0x12, 0x34, 0x56, 0x78, 0x9A}},
        {"\n\n00\t\t00\r\n00\n00   00\r\n", {0x00, 0x00, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        const auto bytes = ParseFiveHexBytes(c.text);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(*bytes, c.bytes);
    }
}

TEST(SimHexBytes, RejectsAnythingElse)
{
    const std::string cases[] = {
        "",
        " \r\n\t ",
        "FF 00 12 03",
        "FF 00 12 03 FC 01",
        "FF 00 123 03 FC",
        "FF00 12 03 FC 01",
        "FF 00 1G 03 FC",
        "0x10 00 12 03 FC",
        "FF 00 12 03 FC x",
        "FF 00 12 03 FCh",
        "FF,00,12,03,FC",
        "-1 00 12 03 FC",
        "+1 00 12 03 FC",
        std::string("FF 00 12 03 FC\0", 15),
        std::string("FF 00\0 12 03 FC", 15),
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(ParseFiveHexBytes(text).has_value());
    }
}

TEST(SimHexBytes, TakesAWideTextOnlyWhenItIsAllAscii)
{
    EXPECT_EQ(ParseFiveHexBytes(std::wstring_view(L" ff 00\t12\r\n03 FC ")),
              std::optional<PortBank>({0xFF, 0x00, 0x12, 0x03, 0xFC}));
    const std::wstring rejected[] = {
        L"FF 00 12 03 F\xFF23",       // full-width letter
        L"FF 00 12 03\x3000" L"FC",   // ideographic space
        L"FF 00 12 03 FC\xAC00",      // Hangul after the last byte
        L"\xFF26\xFF26 00 12 03 FC",  // full-width letters
        std::wstring(L"FF 00 12 03 FC\0", 15),
    };
    for (const auto& text : rejected) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(ParseFiveHexBytes(std::wstring_view(text)).has_value());
    }
}

}  // namespace
