// Reading: the first reading at start, the timer's readings every 100 ms and
// the read button, each after configuring P4 and P5 as outputs.
#include "CheckFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

using namespace uitest;

namespace {

// P4 and P5 read their latches (outputs), P6, P7 and P1 their inputs: the
// other bytes would show if the ports were configured the other way round.
const Environment kBoard{{L"QORVEL_SIM_LATCHES", L"00 FF 77 77 77"},
                         {L"QORVEL_SIM_INPUTS", L"55 55 12 03 FC"}};

TEST_F(CheckTest, StartShowsEachPortInUnsignedDecimalAndZeroesTheWriteBoxes)
{
    StartAndWaitForForm(kBoard);
    ASSERT_TRUE(WaitForReadTexts({L"0", L"255", L"18", L"3", L"252"}));
    EXPECT_EQ(Texts(kWriteBoxes), (BoxTexts{L"0", L"0", L"0", L"0", L"0"}));

    const auto lines = Log().Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].text.substr(lines[0].text.find(' ') + 1), "InitBoard -> 1");
    EXPECT_TRUE(lines[1].Is("PortConfigure"));
    EXPECT_TRUE(lines[2].Is("PortRead"));
    SaveScreenshot(L"portcheck", Form());
}

TEST_F(CheckTest, TimerReadsAbout10TimesASecondEachAfterTheConfiguration)
{
    StartAndWaitForForm(kBoard);
    ASSERT_TRUE(Log().WaitForCount("PortRead", 21, 10000)) << Log().Dump();
    // A click in between is one more read, configured like the others.
    Click(Item(IDC_PORTREADBT));

    const auto lines = Log().Lines();
    std::vector<unsigned long> reads;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].Is("PortRead"))
            continue;
        ASSERT_GT(i, 0u);
        const std::string& before = lines[i - 1].text;
        EXPECT_EQ(before.substr(before.find(' ') + 1), kReadConfigure) << "line " << i;
        reads.push_back(lines[i].ms);
    }
    ASSERT_GE(reads.size(), 21u);
    const double meanGap = double(reads[20] - reads[0]) / 20;
    EXPECT_GT(meanGap, 50.0);
    EXPECT_LT(meanGap, 250.0);
}

TEST_F(CheckTest, ReadBoxesFollowTheInputsByTimerAndAtOnceByTheButton)
{
    TempFile inputs(L"pci");
    inputs.Write("00 00 01 02 04");
    StartAndWaitForForm({{L"QORVEL_SIM_LATCHES", L"00 FF 77 77 77"},
                         {L"QORVEL_SIM_INPUT_FILE", inputs.Path()}});
    ASSERT_TRUE(WaitForReadTexts({L"0", L"255", L"1", L"2", L"4"}));

    inputs.Write("00 00 AA 01 FC");
    EXPECT_TRUE(WaitForReadTexts({L"0", L"255", L"170", L"1", L"252"}));

    inputs.Write("00 00 80 00 08");
    Click(Item(IDC_PORTREADBT));
    EXPECT_EQ(Texts(kReadBoxes), (BoxTexts{L"0", L"255", L"128", L"0", L"8"}));
}

TEST_F(CheckTest, ClosingTheFormEndsTheProgramWithNoFurtherBoardCall)
{
    StartAndWaitForForm(kBoard);
    ASSERT_TRUE(Log().WaitForCount("PortRead", 3, 5000));
    PostMessageW(Form(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(Check().WaitForExit(5000));
    EXPECT_EQ(Check().ExitCode(), 0u);
    for (const LogLine& line : Log().Lines())
        EXPECT_TRUE(line.Is("InitBoard") || line.Is("PortConfigure") || line.Is("PortRead")) << line.text;
}

}  // namespace
