#include "ExpectedPins.h"
#include "FakePanel.h"

#include <variant>

namespace {

// A step of a case: a poll reading these bytes, or a click on this button.
using Step = std::variant<PortBank, int>;

struct ClickCase {
    const char* name;
    std::vector<Step> steps;
    Journal writes;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class PortPanelLogicBitButtons : public PanelLogicTest,
                                 public testing::WithParamInterface<ClickCase> {};

TEST_P(PortPanelLogicBitButtons, WriteTheShadowBytesWithTheClickedBit)
{
    for (const Step& step : GetParam().steps) {
        if (const auto* read = std::get_if<PortBank>(&step))
            PollReading(*read);
        else
            EXPECT_TRUE(logic.OnBitButton(std::get<int>(step)));
    }

    Journal writes;
    for (const std::wstring& line : journal)
        if (line != L"PortRead")
            writes.push_back(line);
    EXPECT_EQ(writes, GetParam().writes);
}

const PortBank kRead = {0xFF, 0x00, 0x12, 0x03, 0xFC};

INSTANTIATE_TEST_SUITE_P(
    Clicks, PortPanelLogicBitButtons,
    testing::Values(
        ClickCase{"OnClearsP4Bit3", {kRead, 1031}, {L"PortWrite F7 00 12 03"}},
        ClickCase{"OffSetsP5Bit7", {kRead, 1085}, {L"PortWrite FF 80 12 03"}},
        ClickCase{"SecondClickCarriesTheFirst",
                  {kRead, 1031, 1002},
                  {L"PortWrite F7 00 12 03", L"PortWrite F6 00 12 03"}},
        ClickCase{"ClicksOnDifferentPortsAccumulate",
                  {kRead, 1085, 1132, 1111},
                  {L"PortWrite FF 80 12 03", L"PortWrite FF 80 12 02", L"PortWrite FF 80 10 02"}},
        ClickCase{"PollReplacesEarlierClicks",
                  {kRead, 1031, kRead, 1027},
                  {L"PortWrite F7 00 12 03", L"PortWrite FD 00 12 03"}},
        ClickCase{"BeforeTheFirstPollTheBytesAreZero", {1012}, {L"PortWrite 01 00 00 00"}},
        ClickCase{"P1OffWritesOnlyThatBit", {kRead, 1148}, {L"Port1Write 1 5"}},
        ClickCase{"P1ClickLeavesTheShadowAlone",
                  {kRead, 1148, 1147, 1031},
                  {L"Port1Write 1 5", L"Port1Write 0 5", L"PortWrite F7 00 12 03"}}));

using PortPanelLogicEveryBitButton = PanelLogicTest;

// Every ON and OFF button against the pin list written out in ExpectedPins.h.
// Each click is set up to change its bit, next to bytes that differ per port,
// so that a wrong port, bit or polarity shows.
TEST_F(PortPanelLogicEveryBitButton, DrivesItsOwnPinToTheButtonsLevel)
{
    const PortBank base = {0x96, 0x69, 0xA5, 0x5A, 0x3C};
    for (const ExpectedPin& pin : kExpectedPins)
        for (const bool on : {true, false}) {
            const int button = on ? pin.on : pin.off;
            SCOPED_TRACE(testing::Message() << "button " << button);
            const auto port = static_cast<std::size_t>(pin.port);
            const auto mask = static_cast<std::uint8_t>(1 << pin.bit);
            PortBank read = base;
            if (pin.port != PortId::P1)
                read[port] = on ? read[port] | mask : read[port] & ~mask;
            PollReading(read);
            Forget();

            EXPECT_TRUE(logic.OnBitButton(button));

            PortBank expected = read;
            if (pin.port == PortId::P1) {
                EXPECT_EQ(journal, Journal{Line(L"Port1Write %d %d", on ? 0 : 1, pin.bit)});
            } else {
                expected[port] ^= mask;
                EXPECT_EQ(journal, Journal{Line(L"PortWrite %02X %02X %02X %02X", expected[0],
                                                expected[1], expected[2], expected[3])});
            }
            EXPECT_EQ(logic.Ports(), expected);
            EXPECT_TRUE(window.ledCalls.empty());
        }
}

TEST_F(PortPanelLogicEveryBitButton, OtherIdsAreRefusedWithoutBoardCalls)
{
    PollReading(kRead);
    Forget();

    // Zero, LEDs, edit boxes, the three configuration buttons, neighbours of the range.
    for (int id : {0, -1, 1001, 1003, 1004, 1041, 1152, 1013, 1155, 1158, 1014, 1015, 1016,
                   65535}) {
        EXPECT_FALSE(logic.OnBitButton(id)) << id;
    }
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(logic.Ports(), kRead);
}

}  // namespace
