#include "SimBoard.h"

#include <gtest/gtest.h>

namespace {

constexpr int kP1 = static_cast<int>(PortId::P1);

TEST(SimBoard, StartsWithAllPinsInputsAndAllLevelsHigh)
{
    const SimBoard board;
    EXPECT_EQ(board.Directions(), SimBoard::Filled(0x00));
    EXPECT_EQ(board.Latches(), SimBoard::Filled(0xFF));
    EXPECT_EQ(board.Read(), SimBoard::Filled(0xFF));
}

// Latches are the complement of the inputs, so every pin shows which of the two it reads.
const PortBank kInputs = {0x0F, 0x33, 0x55, 0xAA, 0xC3};
const PortBank kLatches = {0xF0, 0xCC, 0xAA, 0x55, 0x3C};

struct ReadCase {
    const char* name;
    std::array<ConfigWord, kPortCount> words;
    PortBank expected;
};

const ReadCase kReadCases[] = {
    {"all input", {kAllInput, kAllInput, kAllInput, kAllInput, kP1AllInput},
     {0x0F, 0x33, 0x55, 0xAA, 0xC3}},
    {"all output", {kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput},
     {0xF0, 0xCC, 0xAA, 0x55, 0x3F}},
    {"USB lines stay inputs", {kAllOutput, kAllOutput, kAllOutput, kAllOutput, 0xFF},
     {0xF0, 0xCC, 0xAA, 0x55, 0x3F}},
    {"USB lines alone", {0, 0, 0, 0, 0x03}, {0x0F, 0x33, 0x55, 0xAA, 0xC3}},
    {"mixed pins", {0x0F, 0xF0, 0x3C, 0x81, 0x0C}, {0x00, 0xC3, 0x69, 0x2B, 0xCF}},
    {"only the low byte counts", {0xFFFFFF00, 0x000001FF, 0xABCD0000, 0x00000100, 0xFFFFFFFF},
     {0x0F, 0xCC, 0x55, 0xAA, 0x3F}},
};

TEST(SimBoard, OutputPinsReadTheirLatchAndInputPinsTheirExternalLevel)
{
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.name);
        SimBoard board(kInputs, kLatches);
        board.Configure(c.words);
        EXPECT_EQ(board.Read(), c.expected);
    }
}

TEST(SimBoard, ReconfiguringReplacesTheWholeDirectionMask)
{
    SimBoard board(kInputs, kLatches);
    board.Configure({kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput});
    board.Configure({0x01, 0x80, 0, 0, 0x04});
    EXPECT_EQ(board.Read(), (PortBank{0x0E, 0xB3, 0x55, 0xAA, 0xC7}));
}

TEST(SimBoard, PortWriteSetsTheLatchesOfPorts4To7Only)
{
    SimBoard board;
    board.Write(0x12, 0x34, 0x56, 0x78);
    EXPECT_EQ(board.Latches(), (PortBank{0x12, 0x34, 0x56, 0x78, 0xFF}));

    // Written while the pins are inputs, the levels appear once they become outputs.
    EXPECT_EQ(board.Read(), SimBoard::Filled(0xFF));
    board.Configure({kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput});
    EXPECT_EQ(board.Read(), (PortBank{0x12, 0x34, 0x56, 0x78, 0xFF}));
}

struct Port1Case {
    std::uint8_t level;
    std::uint8_t bit;
    std::uint8_t expected;
};

TEST(SimBoard, Port1WriteChangesOneLatchBitFrom2To7)
{
    constexpr std::uint8_t kStart = 0x5A;  // bits 1, 3, 4 and 6 set
    const Port1Case cases[] = {
        {1, 2, 0x5E}, {0, 3, 0x52}, {0, 6, 0x1A}, {1, 7, 0xDA}, {2, 5, 0x7A}, {0xFF, 2, 0x5E},
        {1, 6, 0x5A}, {0, 5, 0x5A},
        // The USB lines and bit numbers beyond the port change nothing.
        {1, 0, 0x5A}, {0, 1, 0x5A}, {1, 8, 0x5A}, {1, 10, 0x5A}, {0, 11, 0x5A}, {0xC8, 0xC8, 0x5A},
        {0, 0xFF, 0x5A},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << int{c.level} << ", bit " << int{c.bit});
        SimBoard board(SimBoard::Filled(0xFF), {0x11, 0x22, 0x33, 0x44, kStart});
        board.WritePort1Bit(c.level, c.bit);
        EXPECT_EQ(board.Latches(), (PortBank{0x11, 0x22, 0x33, 0x44, c.expected}));
    }
}

TEST(SimBoard, Port1OutputBitReadsBackButUsbLinesFollowTheirInputs)
{
    SimBoard board(SimBoard::Filled(0x00), SimBoard::Filled(0xFF));
    board.Configure({0, 0, 0, 0, 0xFF});
    board.WritePort1Bit(0, 7);
    board.WritePort1Bit(1, 0);
    EXPECT_EQ(board.Read()[kP1], 0x7C);
}

TEST(SimBoard, NewInputsReachOnlyTheInputPins)
{
    SimBoard board(kInputs, kLatches);
    board.Configure({0xF0, 0, 0, kAllOutput, kP1AllOutput});
    board.SetInputs({0xA5, 0xA5, 0xA5, 0xA5, 0xA5});
    EXPECT_EQ(board.Read(), (PortBank{0xF5, 0xA5, 0xA5, 0x55, 0x3D}));
}

}  // namespace
