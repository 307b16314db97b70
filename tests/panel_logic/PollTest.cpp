#include "ExpectedPins.h"
#include "FakePanel.h"

namespace {

std::set<int> AllLeds()
{
    std::set<int> leds;
    for (const ExpectedPin& pin : kExpectedPins)
        leds.insert(pin.led);
    return leds;
}

struct PollCase {
    const char* name;
    PortBank read;
    std::set<int> lit;
};

// Shows the case's name in test names and failure messages.
void PrintTo(const PollCase& c, std::ostream* os) { *os << c.name; }

class PortPanelLogicPoll : public PanelLogicTest, public testing::WithParamInterface<PollCase> {};

TEST_P(PortPanelLogicPoll, LightsTheLedsOfPinsThatReadZeroAndStoresTheBytes)
{
    PollReading(GetParam().read);

    EXPECT_EQ(window.LitLeds(), GetParam().lit);
    EXPECT_EQ(logic.Ports(), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, PortPanelLogicPoll,
    testing::Values(
        PollCase{"P4LowNibble", {0xF0, 0xFF, 0xFF, 0xFF, 0xFF}, {1004, 1005, 1006, 1007}},
        PollCase{"P7HasLedsForBits0And1Only", {0xFF, 0xFF, 0xFF, 0xFC, 0xFF}, {1131, 1134}},
        PollCase{"P7UpperBitsHaveNoLed", {0xFF, 0xFF, 0xFF, 0x03, 0xFF}, {}},
        PollCase{"P1HasLedsForBits2To7", {0xFF, 0xFF, 0xFF, 0xFF, 0x03},
                 {1137, 1140, 1143, 1146, 1149, 1152}},
        PollCase{"P1UsbBitsHaveNoLed", {0xFF, 0xFF, 0xFF, 0xFF, 0xFC}, {}},
        PollCase{"FirstAndLastBitOfEachPort",
                 {0x7E, 0x7E, 0x7E, 0xFE, 0x7B},
                 {1004, 1011, 1041, 1083, 1086, 1128, 1131, 1137, 1152}},
        PollCase{"AllHigh", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {}},
        PollCase{"AllLow", {0x00, 0x00, 0x00, 0x00, 0x00}, AllLeds()}));

using PortPanelLogicPollRepeat = PanelLogicTest;

// The LED controls do not remember what they were told: each poll sets all of
// them, in pin order, changed or not.
TEST_F(PortPanelLogicPollRepeat, EveryPollSetsEveryLedInPinOrder)
{
    const PortBank read = {0x5A, 0xA5, 0x0F, 0xF0, 0x33};
    PollReading(read);
    Forget();
    PollReading(read);

    ASSERT_EQ(window.ledCalls.size(), kExpectedPins.size());
    for (std::size_t i = 0; i < kExpectedPins.size(); ++i) {
        const ExpectedPin& pin = kExpectedPins[i];
        const bool low = (read[static_cast<int>(pin.port)] & (1 << pin.bit)) == 0;
        EXPECT_EQ(window.ledCalls[i], std::make_pair(pin.led, low)) << "row " << i;
    }
}

// A library without a board may store nothing; the LEDs must then not show
// what an earlier poll left in memory.
TEST_F(PortPanelLogicPollRepeat, ReadThatStoresNothingLeavesEveryLedDark)
{
    PollReading({0x00, 0x00, 0x00, 0x00, 0x00});
    Forget();
    board.reads.reset();

    logic.OnTimer(PortPanelLogic::kPollTimer);

    EXPECT_EQ(window.ledCalls.size(), kExpectedPins.size());
    EXPECT_EQ(window.LitLeds(), std::set<int>{});
    EXPECT_EQ(logic.Ports(), (PortBank{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

}  // namespace
