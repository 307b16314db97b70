#include "FakeCal.h"
#include "PortCheck.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const std::string kReadConfig = "PortConfigure FFFFFFFF FFFFFFFF 00000000 00000000 00000000";

class PortCheckTest : public ::testing::Test {
protected:
    Journal journal;
    FakeBoard board{journal};
    FakeCal form{journal};
    PortCheck check{form, board};
};

TEST_F(PortCheckTest, InitPortsReadsOnceThenSetsTheWriteBoxesToZero)
{
    board.levels = PortBank{0x00, 0xFF, 0x12, 0x03, 0xFC};
    check.InitPorts();

    EXPECT_THAT(journal, ElementsAre("InitBoard", kReadConfig, "PortRead"));
    EXPECT_THAT(form.readBoxes, ElementsAre(L"0", L"255", L"18", L"3", L"252"));
    EXPECT_THAT(form.writeBoxes, ElementsAre(L"0", L"0", L"0", L"0", L"0"));
    EXPECT_THAT(form.messages, IsEmpty());
}

TEST_F(PortCheckTest, InitPortsWithoutBoardSaysSoOnceAndLeavesTheBoxes)
{
    board.found = 0;
    check.InitPorts();

    EXPECT_THAT(journal, ElementsAre("InitBoard", "ShowMessage"));
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, L"Could not find Qorvel");
    EXPECT_EQ(form.messages[0].notice, Notice::Plain);
    EXPECT_THAT(form.writeBoxes, ElementsAre(L"Text1", L"Text1", L"Text1", L"Text1", L"Text1"));
    EXPECT_THAT(form.readBoxes, ElementsAre(L"Text1", L"Text1", L"Text1", L"Text1", L"Text1"));

    // The timer goes on reading without a board.
    journal.clear();
    check.ReadAction();
    EXPECT_THAT(journal, ElementsAre(kReadConfig, "PortRead"));
}

TEST_F(PortCheckTest, ReadShowsZeroWhenTheLibraryLeavesTheBytesUntouched)
{
    form.readBoxes = {L"9", L"9", L"9", L"9", L"9"};
    check.ReadAction();
    EXPECT_THAT(form.readBoxes, ElementsAre(L"0", L"0", L"0", L"0", L"0"));
}

TEST_F(PortCheckTest, EveryReadConfiguresThePortsFirst)
{
    board.levels = PortBank{1, 2, 3, 4, 5};
    check.ReadAction();
    check.ReadAction();
    EXPECT_THAT(journal, ElementsAre(kReadConfig, "PortRead", kReadConfig, "PortRead"));
}

struct GoodWrite {
    std::array<std::wstring, kPortCount> texts;
    const char* portWrite;
    const char* port1Write;
};

void PrintTo(const GoodWrite& write, std::ostream* out)
{
    for (const std::wstring& text : write.texts)
        *out << Printable(text) << ' ';
}

class PortCheckGoodWriteTest : public PortCheckTest, public ::testing::WithParamInterface<GoodWrite> {};

TEST_P(PortCheckGoodWriteTest, WritesPorts4To7ThenP1AsLevelAndBit)
{
    form.writeBoxes = GetParam().texts;
    check.WriteAction();
    EXPECT_THAT(journal, ElementsAre(GetParam().portWrite, GetParam().port1Write));
    EXPECT_THAT(form.messages, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortCheckGoodWriteTest,
    ::testing::Values(GoodWrite{{L"1", L"2", L"3", L"4", L"5"}, "PortWrite 01 02 03 04", "Port1Write 05 05"},
                      GoodWrite{{L" 7 ", L"\t8", L"007", L"0", L"255"}, "PortWrite 07 08 07 00", "Port1Write FF FF"},
                      GoodWrite{{L"255", L"128", L"64", L"3", L"252"}, "PortWrite FF 80 40 03", "Port1Write FC FC"}));

struct BadWrite {
    std::wstring text;
    PortId port;
    const wchar_t* boxName;
};

void PrintTo(const BadWrite& write, std::ostream* out)
{
    *out << Printable(write.text) << " in " << Printable(write.boxName);
}

class PortCheckBadWriteTest : public PortCheckTest, public ::testing::WithParamInterface<BadWrite> {};

TEST_P(PortCheckBadWriteTest, NamesTheBoxSelectsItAndWritesNothing)
{
    form.writeBoxes = {L"1", L"2", L"3", L"4", L"5"};
    form.writeBoxes[static_cast<int>(GetParam().port)] = GetParam().text;
    check.WriteAction();

    EXPECT_THAT(journal,
                ElementsAre("ShowMessage", "SelectWriteBox " + std::to_string(static_cast<int>(GetParam().port))));
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_THAT(form.messages[0].text, HasSubstr(GetParam().boxName));
    EXPECT_THAT(form.messages[0].text, HasSubstr(L"from 0 to 255"));
    EXPECT_EQ(form.messages[0].notice, Notice::Warning);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PortCheckBadWriteTest,
    ::testing::Values(BadWrite{L"Text1", PortId::P4, L"P4W"}, BadWrite{L"", PortId::P5, L"P5W"},
                      BadWrite{L"300", PortId::P6, L"P6W"}, BadWrite{L"-1", PortId::P7, L"P7W"},
                      BadWrite{L"1.5", PortId::P1, L"P1W"}, BadWrite{L"0x10", PortId::P1, L"P1W"},
                      BadWrite{L"12a", PortId::P4, L"P4W"}, BadWrite{L"256", PortId::P1, L"P1W"}));

TEST_F(PortCheckTest, BadWriteMessageQuotesALongTextOnlyInPart)
{
    form.writeBoxes = {L"1", L"2", std::wstring(5000, L'9'), L"4", L"5"};
    check.WriteAction();
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_THAT(form.messages[0].text, HasSubstr(L"P6W"));
    EXPECT_LT(form.messages[0].text.size(), 200u);
}

struct Failure {
    const char* missing;
    // What the board journal holds before the failing call.
    std::vector<std::string> before;
};

void PrintTo(const Failure& failure, std::ostream* out)
{
    *out << failure.missing << " missing";
}

class PortCheckFailureTest : public PortCheckTest, public ::testing::WithParamInterface<Failure> {
protected:
    void SetUp() override { board.missing = GetParam().missing; }
    // Load, then the user writes 1 to 5, as far as the board lets it go.
    void Run()
    {
        check.InitPorts();
        form.writeBoxes = {L"1", L"2", L"3", L"4", L"5"};
        check.WriteAction();
    }
};

TEST_P(PortCheckFailureTest, StopsTheTimerSaysWhyOnceAndEnds)
{
    Run();
    std::vector<std::string> expected = GetParam().before;
    expected.insert(expected.end(), {"StopTimer", "ShowMessage", "EndProgram 1"});
    EXPECT_EQ(journal, expected);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_THAT(form.messages[0].text, HasSubstr(L"QorvelIo.dll has no operation X."));
    EXPECT_EQ(form.messages[0].notice, Notice::Failure);
}

TEST_P(PortCheckFailureTest, DoesNothingMoreAfterGivingUp)
{
    Run();
    const std::size_t calls = journal.size();
    check.ReadAction();
    check.WriteAction();
    check.ReadAction();
    EXPECT_EQ(journal.size(), calls);
    EXPECT_EQ(form.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, PortCheckFailureTest,
    ::testing::Values(Failure{"InitBoard", {}}, Failure{"PortConfigure", {"InitBoard"}},
                      Failure{"PortRead", {"InitBoard", kReadConfig}},
                      Failure{"PortWrite", {"InitBoard", kReadConfig, "PortRead"}},
                      Failure{"Port1Write", {"InitBoard", kReadConfig, "PortRead", "PortWrite 01 02 03 04"}}),
    [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.missing); });

}  // namespace
