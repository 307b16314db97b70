// Writing: five decimal values to the board, and what a box that does not hold
// one gets instead of a board call.
#include "CheckFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

using namespace uitest;

namespace {

struct GoodWrite {
    BoxTexts texts;
    const char* portWrite;
    const char* port1Write;
    BoxTexts readBack;  // P4 and P5 are outputs and read back what was written
};

void PrintTo(const GoodWrite& write, std::ostream* out)
{
    for (const std::wstring& text : write.texts)
        *out << Printable(text) << ' ';
}

class GoodWriteTest : public CheckTest, public ::testing::WithParamInterface<GoodWrite> {};

std::string Call(const LogLine& line)
{
    return line.text.substr(line.text.find(' ') + 1);
}

TEST_P(GoodWriteTest, WritesPorts4To7ThenP1AsLevelAndBit)
{
    StartAndWaitForForm({{L"QORVEL_SIM_INPUTS", L"00 00 00 00 00"}});
    ASSERT_TRUE(WaitUntil([&] { return Text(Item(IDC_P1W)) == L"0"; }, 3000));
    SetWriteTexts(GetParam().texts);
    const std::size_t before = Log().Size();
    Click(Item(IDC_PORTWRITEBT));

    const auto lines = Log().LinesFrom(before);
    std::vector<std::string> writes;
    for (const LogLine& line : lines)
        if (line.Is("PortWrite") || line.Is("Port1Write"))
            writes.push_back(Call(line));
    EXPECT_EQ(writes, (std::vector<std::string>{GetParam().portWrite, GetParam().port1Write}));
    EXPECT_TRUE(WaitForReadTexts(GetParam().readBack)) << "read boxes stay at " << Texts(kReadBoxes)[0];
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GoodWriteTest,
    ::testing::Values(
        GoodWrite{{L"1", L"2", L"3", L"4", L"5"}, "PortWrite 01 02 03 04", "Port1Write 05 05",
                  {L"1", L"2", L"0", L"0", L"0"}},
        GoodWrite{{L" 7 ", L"255", L"0", L"128", L"252"}, "PortWrite 07 FF 00 80", "Port1Write FC FC",
                  {L"7", L"255", L"0", L"0", L"0"}}));

struct BadWrite {
    const wchar_t* text;
    int box;
    const wchar_t* boxName;
};

void PrintTo(const BadWrite& write, std::ostream* out)
{
    *out << Printable(write.text) << " in " << Printable(write.boxName);
}

class BadWriteTest : public CheckTest, public ::testing::WithParamInterface<BadWrite> {};

TEST_P(BadWriteTest, NamesTheBoxSelectsItsTextAndWritesNothing)
{
    StartAndWaitForForm();
    ASSERT_TRUE(WaitUntil([&] { return Text(Item(IDC_P1W)) == L"0"; }, 3000));
    SetWriteTexts({L"1", L"2", L"3", L"4", L"5"});
    SetText(Item(GetParam().box), GetParam().text);
    PostClick(Item(IDC_PORTWRITEBT));

    const MessageView box = WaitForMessage();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_NE(box.text.find(GetParam().boxName), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"0 to 255"), std::wstring::npos) << box.text;
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    ASSERT_TRUE(Acknowledge(box));
    // Without a window manager Wine now and then leaves the desktop active when
    // the box closes; the user's click on the form then gives the focus back.
    if (!WaitUntil([&] { return GetForegroundWindow() == Form(); }, 500))
        SetForegroundWindow(Form());

    HWND edit = Item(GetParam().box);
    EXPECT_TRUE(WaitUntil([&] { return Focus() == edit; }, 2000)) << "focus on " << GetDlgCtrlID(Focus());
    const int length = static_cast<int>(Text(edit).size());
    EXPECT_EQ(Selection(edit), std::make_pair(0, length));
    EXPECT_EQ(Text(edit), GetParam().text);
    EXPECT_FALSE(Log().Last("PortWrite")) << Log().Dump();
    EXPECT_FALSE(Log().Last("Port1Write")) << Log().Dump();
    EXPECT_EQ(TopWindows(Check().Id()).size(), 1u) << "only the form is left";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadWriteTest,
    ::testing::Values(BadWrite{L"Text1", IDC_P4W, L"P4W"}, BadWrite{L"", IDC_P5W, L"P5W"},
                      BadWrite{L"300", IDC_P6W, L"P6W"}, BadWrite{L"-1", IDC_P7W, L"P7W"},
                      BadWrite{L"1.5", IDC_P1W, L"P1W"}, BadWrite{L"0x10", IDC_P1W, L"P1W"},
                      BadWrite{L"12a", IDC_P5W, L"P5W"}));

}  // namespace
