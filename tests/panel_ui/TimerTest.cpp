// What the panel does by itself: the start-up calls, a poll about every 100 ms
// and the switch of all ports between input and output about every 500 ms.
// Periods are checked with wide margins: Wine shares a busy machine.
#include "PanelFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

#include <algorithm>
#include <vector>

using namespace uitest;

namespace {

const std::vector<std::uint32_t> kAllInput{0, 0, 0, 0, 0};
const std::vector<std::uint32_t> kAllOutput{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFC};
const BoxTexts kInputTexts{L"0000", L"0000", L"0000", L"0000", L"00"};
const BoxTexts kOutputTexts{L"FFFF", L"FFFF", L"FFFF", L"FFFF", L"FC"};

unsigned long MedianGap(const std::vector<LogLine>& lines)
{
    std::vector<unsigned long> gaps;
    for (std::size_t i = 1; i < lines.size(); ++i)
        gaps.push_back(lines[i].ms - lines[i - 1].ms);
    if (gaps.empty())
        return 0;
    std::sort(gaps.begin(), gaps.end());
    return gaps[gaps.size() / 2];
}

}  // namespace

class PanelTimerTest : public PanelTest {
protected:
    void SetUp() override { StartAndWaitForPanel(); }
};

TEST_F(PanelTimerTest, StartUpFindsTheBoardAndConfiguresAllInputsBeforePolling)
{
    ASSERT_TRUE(Log().WaitFor("PortRead", 5000));
    const auto lines = Log().Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].operation, "InitBoard");
    EXPECT_EQ(lines[0].values, std::vector<std::uint32_t>{1});
    EXPECT_EQ(lines[1].operation, "PortConfigure");
    EXPECT_EQ(lines[1].values, kAllInput);
    EXPECT_EQ(Log().Calls("InitBoard").size(), 1u);
}

TEST_F(PanelTimerTest, PollsAboutEveryHundredMilliseconds)
{
    ASSERT_TRUE(Log().WaitForCount("PortRead", 25, 10000)) << Log().Dump();
    const auto reads = Log().Calls("PortRead");
    const unsigned long median = MedianGap(reads);
    EXPECT_GE(median, 70u);
    EXPECT_LE(median, 200u);
    for (const LogLine& read : reads)
        EXPECT_EQ(read.values.size(), 5u) << read.text;
}

TEST_F(PanelTimerTest, SwitchesAllPortsBetweenInputAndOutputAboutEveryHalfSecond)
{
    ASSERT_TRUE(Log().WaitForCount("PortConfigure", 7, 10000)) << Log().Dump();
    const auto configures = Log().Calls("PortConfigure");
    // The start-up's all-input, then ticks: input, output, input, ...
    for (std::size_t i = 0; i < configures.size(); ++i) {
        const bool output = i >= 2 && i % 2 == 0;
        EXPECT_EQ(configures[i].values, output ? kAllOutput : kAllInput)
            << "configuration " << i << ": " << configures[i].text;
    }
    const std::vector<LogLine> ticks(configures.begin() + 1, configures.end());
    const unsigned long median = MedianGap(ticks);
    EXPECT_GE(median, 350u);
    EXPECT_LE(median, 800u);
    const unsigned long first = ticks.front().ms - configures.front().ms;
    EXPECT_GE(first, 350u);
    EXPECT_LE(first, 1500u);
}

TEST_F(PanelTimerTest, EachTickRewritesTheBoxes)
{
    // Compared with the latest configuration in the log, not the one awaited:
    // on a busy machine the test may fall a whole tick behind the panel.
    const auto latestTexts = [&] {
        return Log().Calls("PortConfigure").back().values == kAllOutput ? kOutputTexts
                                                                        : kInputTexts;
    };
    bool sawInput = false;
    bool sawOutput = false;
    std::size_t from = Log().Size();
    for (int tick = 0; tick < 4; ++tick) {
        ASSERT_TRUE(Log().WaitFor("PortConfigure", 3000, from)) << Log().Dump();
        BoxTexts expected;
        EXPECT_TRUE(WaitUntil([&] { return Boxes() == (expected = latestTexts()); }, 1000))
            << "tick " << tick << ": " << testing::PrintToString(Boxes());
        (expected == kOutputTexts ? sawOutput : sawInput) = true;
        // Typed but not applied: the next tick replaces it.
        SetBoxes({L"1234", L"5", L"", L"ab", L"Z"});
        from = Log().Size();
    }
    EXPECT_TRUE(sawInput && sawOutput);
}
