#include "FakePanel.h"

namespace {

struct StartUpCase {
    std::uint32_t initResult;
    bool warns;
};

void PrintTo(const StartUpCase& c, std::ostream* os)
{
    *os << "InitBoardReturns" << std::hex << std::showbase << c.initResult;
}

class PortPanelLogicStartUp : public PanelLogicTest,
                              public testing::WithParamInterface<StartUpCase> {};

TEST_P(PortPanelLogicStartUp, ConfiguresInputsStartsTimersAndWarnsOnlyWithoutBoard)
{
    board.initResult = GetParam().initResult;

    logic.StartUp();

    Journal expected = {L"InitBoard", kConfigureInput, kInputTexts, kInputTexts,
                        L"StartTimer 1 100", L"StartTimer 2 500"};
    if (GetParam().warns)
        expected.insert(expected.begin() + 1, L"ShowWarning");
    EXPECT_EQ(journal, expected);
    if (GetParam().warns) {
        ASSERT_EQ(window.warnings.size(), 1u);
        EXPECT_EQ(window.warnings[0].first,
                  L"Could not find \"Qorvel\" Board\nPlease check the Hardware connection");
        EXPECT_EQ(window.warnings[0].second, L"Connection Error");
    }
    EXPECT_EQ(logic.Config(), (ConfigTexts{L"0000", L"0000", L"0000", L"0000", L"00"}));
    EXPECT_TRUE(window.ledCalls.empty());
}

// Any nonzero result means the board was found, also beyond the low byte.
INSTANTIATE_TEST_SUITE_P(InitBoardResults, PortPanelLogicStartUp,
                         testing::Values(StartUpCase{0, true}, StartUpCase{1, false},
                                         StartUpCase{0x100, false},
                                         StartUpCase{0xFFFFFFFF, false}));

using PortPanelLogicTimers = PanelLogicTest;

TEST_F(PortPanelLogicTimers, ToggleTicksAlternateAllInputAndAllOutput)
{
    logic.StartUp();
    Forget();

    for (int tick = 0; tick < 4; ++tick)
        logic.OnTimer(PortPanelLogic::kToggleTimer);

    EXPECT_EQ(journal, (Journal{kConfigureInput, kInputTexts, kConfigureOutput, kOutputTexts,
                                kConfigureInput, kInputTexts, kConfigureOutput, kOutputTexts}));
    EXPECT_EQ(window.boxes, (ConfigTexts{L"FFFF", L"FFFF", L"FFFF", L"FFFF", L"FC"}));
    EXPECT_TRUE(window.ledCalls.empty());
}

TEST_F(PortPanelLogicTimers, PollTimerReadsAndOtherTimersDoNothing)
{
    logic.StartUp();
    Forget();

    for (int timerId : {0, 3, -1, 1000})
        logic.OnTimer(timerId);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(window.ledCalls.empty());

    logic.OnTimer(PortPanelLogic::kPollTimer);
    EXPECT_EQ(journal, Journal{L"PortRead"});
    EXPECT_EQ(window.ledCalls.size(), 32u);
}

// The buttons configure at once but leave the phase alone: the next tick still
// does what the tick count says.
TEST_F(PortPanelLogicTimers, AllInputAndAllOutputButtonsDoNotShiftTheTogglePhase)
{
    logic.StartUp();
    window.boxes = {L"12", L"34", L"56", L"78", L"9A"};
    Forget();

    logic.OnAllOutput();
    EXPECT_EQ(journal, (Journal{kConfigureOutput, kOutputTexts}));
    EXPECT_EQ(logic.Config(), (ConfigTexts{L"FFFF", L"FFFF", L"FFFF", L"FFFF", L"FC"}));
    logic.OnTimer(PortPanelLogic::kToggleTimer);
    logic.OnAllInput();
    logic.OnTimer(PortPanelLogic::kToggleTimer);

    EXPECT_EQ(journal, (Journal{kConfigureOutput, kOutputTexts, kConfigureInput, kInputTexts,
                                kConfigureInput, kInputTexts, kConfigureOutput, kOutputTexts}));
}

}  // namespace
