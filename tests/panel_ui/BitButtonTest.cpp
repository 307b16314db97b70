// The 64 ON/OFF buttons: each writes the shadow bytes from the latest poll with
// its own bit changed (ports 4 to 7), or one bit of port 1.
//
// Inputs and latches start equal, and every press that changes a bit is undone
// by the opposite button, so the panel's shadow bytes stay the start pattern
// between cases, whichever direction the ports have at the time.
#include "PanelFixture.h"

#include "WindowAccess.h"

#include <vector>

using namespace uitest;

namespace {

const Levels kStart{0xFF, 0x00, 0x12, 0x03, 0xFC};

bool IsWrite(const LogLine& line) { return line.Is("PortWrite") || line.Is("Port1Write"); }

std::string Show(const std::vector<std::uint32_t>& values)
{
    std::string text;
    for (std::uint32_t value : values)
        text += ' ' + std::to_string(value);
    return text;
}

struct Expectation {
    const char* operation;
    std::vector<std::uint32_t> values;
};

Expectation PortWrite(const Levels& levels)
{
    return {"PortWrite", {levels[kP4], levels[kP5], levels[kP6], levels[kP7]}};
}

Expectation Port1Write(unsigned level, unsigned bit) { return {"Port1Write", {level, bit}}; }

}  // namespace

class PanelBitButtonTest : public PanelTest {
protected:
    void SetUp() override
    {
        StartAndWaitForPanel({{L"QORVEL_SIM_INPUTS", L"FF 00 12 03 FC"},
                              {L"QORVEL_SIM_LATCHES", L"FF 00 12 03 FC"}});
        ASSERT_TRUE(Log().WaitFor("PortRead", 5000)) << "the panel does not poll";
    }

    // The board writes that clicking the buttons (sent, so each is handled
    // before the next) produced.
    std::vector<LogLine> Press(std::initializer_list<int> buttons) const
    {
        const std::size_t from = Log().Size();
        for (int id : buttons)
            Click(Item(id));
        return WritesFrom(from);
    }

    std::vector<LogLine> WritesFrom(std::size_t from) const
    {
        std::vector<LogLine> writes;
        for (LogLine& line : Log().LinesFrom(from))
            if (IsWrite(line))
                writes.push_back(std::move(line));
        return writes;
    }

    static void ExpectWrites(const std::vector<LogLine>& writes,
                             const std::vector<Expectation>& expected)
    {
        ASSERT_EQ(writes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(writes[i].operation, expected[i].operation) << writes[i].text;
            EXPECT_EQ(writes[i].values, expected[i].values)
                << writes[i].text << " instead of" << Show(expected[i].values);
        }
    }
};

TEST_F(PanelBitButtonTest, ButtonsWriteTheLatestPollWithTheirBitChanged)
{
    struct Case {
        int button;
        Expectation write;
        int undo;
    };
    const Case cases[] = {
        {1031, PortWrite({0xF7, 0x00, 0x12, 0x03}), 1032},  // ON P4.3
        {1085, PortWrite({0xFF, 0x80, 0x12, 0x03}), 1084},  // OFF P5.7
        {1002, PortWrite({0xFE, 0x00, 0x12, 0x03}), 1012},  // ON P4.0, captioned "ON"
        {1115, PortWrite({0xFF, 0x00, 0x16, 0x03}), 1114},  // OFF P6.2
        {1120, PortWrite({0xFF, 0x00, 0x02, 0x03}), 1121},  // ON P6.4
        {1135, PortWrite({0xFF, 0x00, 0x12, 0x01}), 1136},  // ON P7.1
        {1148, Port1Write(1, 5), 0},                        // OFF P1.5
        {1138, Port1Write(0, 2), 0},                        // ON P1.2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        ExpectWrites(Press({c.button}), {c.write});
        if (c.undo)
            ExpectWrites(Press({c.undo}), {PortWrite(kStart)});
    }
}

TEST_F(PanelBitButtonTest, EveryButtonDrivesItsOwnPinOnly)
{
    for (const Pin& pin : kPins) {
        SCOPED_TRACE("LED " + std::to_string(pin.led));
        if (pin.port == kP1) {
            ExpectWrites(Press({pin.on}), {Port1Write(0, pin.bit)});
            ExpectWrites(Press({pin.off}), {Port1Write(1, pin.bit)});
            continue;
        }
        const unsigned mask = 1u << pin.bit;
        const bool high = kStart[pin.port] & mask;
        Levels changed = kStart;
        changed[pin.port] ^= mask;
        // The press that changes the bit first, then the one that restores it.
        ExpectWrites(Press({high ? pin.on : pin.off}), {PortWrite(changed)});
        ExpectWrites(Press({high ? pin.off : pin.on}), {PortWrite(kStart)});
    }
}

TEST_F(PanelBitButtonTest, TwoPressesBetweenPollsBothReachTheBoard)
{
    struct Case {
        int first, second;
        Levels afterFirst, afterSecond;
        int undoFirst, undoSecond;
    };
    const Case cases[] = {
        {1031, 1035, {0xF7, 0x00, 0x12, 0x03}, {0xD7, 0x00, 0x12, 0x03}, 1032, 1036},
        {1031, 1085, {0xF7, 0x00, 0x12, 0x03}, {0xF7, 0x80, 0x12, 0x03}, 1032, 1084},
        {1132, 1088, {0xFF, 0x00, 0x12, 0x02}, {0xFF, 0x00, 0x13, 0x02}, 1133, 1087},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("buttons " + std::to_string(c.first) + ", " + std::to_string(c.second));
        // Both clicks are queued before the panel looks at its queue again, and
        // a timer tick waits for an empty queue: no poll comes in between.
        const std::size_t from = Log().Size();
        ASSERT_TRUE(PostClicksAtOnce({Item(c.first), Item(c.second)}));
        ASSERT_TRUE(Log().WaitForCount("PortWrite", 2, 3000, from));
        const auto lines = Log().LinesFrom(from);
        std::vector<LogLine> writes;
        bool pollBetween = false;
        for (const LogLine& line : lines) {
            if (IsWrite(line))
                writes.push_back(line);
            else if (line.Is("PortRead") && writes.size() == 1)
                pollBetween = true;
        }
        EXPECT_FALSE(pollBetween) << Log().Dump();
        ExpectWrites(writes, {PortWrite(c.afterFirst), PortWrite(c.afterSecond)});
        Press({c.undoFirst, c.undoSecond});
    }
}
