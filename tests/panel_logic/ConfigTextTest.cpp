#include "FakePanel.h"

namespace {

using PortPanelLogicUpdate = PanelLogicTest;

TEST_F(PortPanelLogicUpdate, ConfiguresTheTypedHexTextsAndShowsThemInUpperCase)
{
    logic.StartUp();
    window.boxes = {L"ff", L"", L"-1", L"12G4", L"fc"};
    Forget();

    logic.OnUpdate();

    EXPECT_EQ(journal, (Journal{L"TextsFromWindow", L"PortConfigure FF 0 FFFFFFFF 12 FC",
                                LR"(Texts "FF" "" "-1" "12G4" "FC")"}));
    EXPECT_EQ(logic.Config(), (ConfigTexts{L"FF", L"", L"-1", L"12G4", L"FC"}));
}

struct ParseCase {
    const char* name;
    const wchar_t* typed;
    ConfigWord value;
    const wchar_t* shown;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class PortPanelLogicUpdateParse : public PanelLogicTest,
                                  public testing::WithParamInterface<ParseCase> {};

TEST_P(PortPanelLogicUpdateParse, ParsesHexLikeStrtoul)
{
    window.boxes = {L"1", GetParam().typed, L"2", L"3", L"4"};

    logic.OnUpdate();

    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[1], Line(L"PortConfigure 1 %X 2 3 4", GetParam().value));
    EXPECT_EQ(window.boxes[1], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortPanelLogicUpdateParse,
    testing::Values(
        ParseCase{"LowerCasePrefix", L"0x1f", 0x1F, L"0X1F"},
        ParseCase{"UpperCasePrefix", L"0X1F", 0x1F, L"0X1F"},
        ParseCase{"MixedCaseDigits", L"aBcD", 0xABCD, L"ABCD"},
        ParseCase{"FourDigits", L"FFFF", 0xFFFF, L"FFFF"},
        ParseCase{"LeadingBlank", L" 1f", 0x1F, L" 1F"},
        ParseCase{"TabAndPlus", L"\t+a", 0xA, L"\t+A"},
        ParseCase{"MinusWrapsAround", L"-ff", 0xFFFFFF01, L"-FF"},
        ParseCase{"MinusWithPrefix", L"-0x1", 0xFFFFFFFF, L"-0X1"},
        ParseCase{"StopsAtBlank", L"1 2", 0x1, L"1 2"},
        ParseCase{"StopsAtNonHexLetter", L"7z", 0x7, L"7Z"},
        ParseCase{"PrefixWithoutDigits", L"0x", 0, L"0X"},
        ParseCase{"LetterFirst", L"x1", 0, L"X1"},
        ParseCase{"SignOnly", L"-", 0, L"-"},
        ParseCase{"NonHexLetterOnly", L"g", 0, L"G"},
        ParseCase{"StopsAtHangul", L"1\uAC00", 0x1, L"1\uAC00"},
        ParseCase{"HangulFirst", L"\uAC00a", 0, L"\uAC00A"},
        // Worked out in 32 bits on every platform: beyond them the word saturates.
        ParseCase{"LargestWordNegated", L"-FFFFFFFF", 0x1, L"-FFFFFFFF"},
        ParseCase{"LeadingZerosDoNotOverflow", L"000000000001", 0x1, L"000000000001"},
        ParseCase{"BeyondThirtyTwoBits", L"123456789", 0xFFFFFFFF, L"123456789"},
        ParseCase{"MinusBeyondThirtyTwoBits", L"-100000000", 0xFFFFFFFF, L"-100000000"},
        // Full-width forms from an IME are neither digits nor upper-cased.
        ParseCase{"FullWidthUpperLetters", L"\uFF26\uFF26", 0, L"\uFF26\uFF26"},
        ParseCase{"FullWidthDigit", L"\uFF11", 0, L"\uFF11"},
        ParseCase{"FullWidthLowerLetter", L"\uFF41", 0, L"\uFF41"}));

using PortPanelLogicConfigLifetime = PanelLogicTest;

// An applied configuration and text typed but not applied both last only until
// the next toggle tick, which keeps its own phase.
TEST_F(PortPanelLogicConfigLifetime, NextToggleTickReplacesUpdatedAndTypedTexts)
{
    logic.StartUp();
    logic.OnTimer(PortPanelLogic::kToggleTimer);
    window.boxes = {L"12", L"34", L"56", L"78", L"9a"};
    Forget();

    logic.OnUpdate();
    window.boxes[0] = L"abcd";
    logic.OnTimer(PortPanelLogic::kToggleTimer);
    window.boxes[2] = L"1";
    logic.OnTimer(PortPanelLogic::kToggleTimer);

    EXPECT_EQ(journal, (Journal{L"TextsFromWindow", L"PortConfigure 12 34 56 78 9A",
                                LR"(Texts "12" "34" "56" "78" "9A")", kConfigureOutput,
                                kOutputTexts, kConfigureInput, kInputTexts}));
    EXPECT_EQ(logic.Config(), (ConfigTexts{L"0000", L"0000", L"0000", L"0000", L"00"}));
}

}  // namespace
