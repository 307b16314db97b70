// The 32 LEDs on screen: red while their pin reads 0, grey while it reads 1.
//
// The panel switches all ports to output every other 500 ms, and output pins
// read their latches: where the levels must hold in both phases the latches are
// set to the same bytes as the inputs.
#include "PanelFixture.h"

#include "Screen.h"
#include "Wait.h"
#include "WindowAccess.h"

#include <functional>
#include <sstream>

using namespace uitest;

namespace {

const COLORREF kLit = RGB(255, 0, 0);
const COLORREF kUnlit = RGB(192, 192, 192);

// Port levels in which pin row i reads 0 exactly when lit(i); pins without an
// LED read 1.
Levels LevelsLighting(const std::function<bool(std::size_t)>& lit)
{
    Levels levels{0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < kPins.size(); ++i)
        if (lit(i))
            levels[kPins[i].port] &= ~(1u << kPins[i].bit);
    return levels;
}

}  // namespace

class PanelLedTest : public PanelTest {
protected:
    // The rows whose lamp face does not show `levels`, empty when all do.
    std::string Mismatches(const Levels& levels) const
    {
        std::ostringstream out;
        for (const Pin& pin : kPins) {
            const bool lit = !(levels[pin.port] >> pin.bit & 1);
            const COLORREF seen = ScreenPixel(Centre(ScreenRect(Item(pin.led))));
            if (seen != (lit ? kLit : kUnlit))
                out << " LED " << pin.led << " shows " << std::hex << seen << std::dec
                    << (lit ? " instead of red;" : " instead of grey;");
        }
        return out.str();
    }
    bool WaitForLeds(const Levels& levels, DWORD timeoutMs) const
    {
        return WaitUntil([&] { return Mismatches(levels).empty(); }, timeoutMs, 30);
    }
};

TEST_F(PanelLedTest, LedsAreRedWhereThePinReadsZeroAndGreyWhereOne)
{
    const Levels levels{0x96, 0x3C, 0xA5, 0xFD, 0x6B};
    StartAndWaitForPanel({{L"QORVEL_SIM_INPUTS", std::wstring(L"96 3C A5 FD 6B")},
                          {L"QORVEL_SIM_LATCHES", std::wstring(L"96 3C A5 FD 6B")}});
    ASSERT_TRUE(WaitForLeds(levels, 5000)) << Mismatches(levels);
    // Across both directions of the ports: input and output phases read alike here.
    for (int sample = 0; sample < 5; ++sample) {
        Sleep(250);
        EXPECT_EQ(Mismatches(levels), "") << "sample " << sample;
    }
    SaveScreenshot(L"portpanel");
}

TEST_F(PanelLedTest, EachLedFollowsItsOwnPinWhenTheInputsChange)
{
    TempFile inputs(L"qpi");
    inputs.Write("FF FF FF FF FF");
    StartAndWaitForPanel({{L"QORVEL_SIM_INPUT_FILE", inputs.Path()}});
    const Levels allUnlit{0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(WaitForLeds(allUnlit, 5000)) << Mismatches(allUnlit);

    // Lighting row i by bit k of i, then by its complement, gives every LED its
    // own sequence, so a swapped, stuck or inverted LED shows.
    std::vector<Levels> patterns;
    for (int k = 0; k < 5; ++k)
        patterns.push_back(LevelsLighting([k](std::size_t i) { return (i >> k & 1) != 0; }));
    patterns.push_back(LevelsLighting([](std::size_t i) { return (i & 1) == 0; }));

    // The latches stay FF, so output phases show all LEDs grey: each pattern
    // shows during the input phases, which come every second.
    for (const Levels& levels : patterns) {
        SCOPED_TRACE(HexBytes(levels));
        inputs.Write(HexBytes(levels));
        EXPECT_TRUE(WaitForLeds(levels, 4000)) << Mismatches(levels) << Log().Dump();
    }
}
