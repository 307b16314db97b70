// The configuration area: "All Input", "All Output", "Update" and the five boxes.
//
// The direction timer rewrites the boxes every 500 ms, so each step runs right
// after one of its ticks and is repeated if the next tick came in between.
#include "PanelFixture.h"

#include "WindowAccess.h"

#include <vector>

using namespace uitest;

namespace {

const BoxTexts kJunk{L"zz", L"zz", L"zz", L"zz", L"zz"};

struct Outcome {
    std::vector<std::uint32_t> configured;
    BoxTexts boxes;
};

}  // namespace

class PanelConfigTest : public PanelTest {
protected:
    void SetUp() override { StartAndWaitForPanel(); }

    // Fills the boxes, clicks the button and reads the boxes and the one
    // PortConfigure the click made.
    Outcome ClickWith(int button, const BoxTexts& typed)
    {
        Outcome outcome;
        const auto begin = BetweenTicks(
            [&] {
                SetBoxes(typed);
                Click(Item(button));
                outcome.boxes = Boxes();
            },
            1);
        EXPECT_TRUE(begin) << "every click overlapped a tick of the direction timer";
        if (begin)
            if (const auto at = Log().WaitFor("PortConfigure", 0, *begin))
                outcome.configured = Log().Lines()[*at].values;
        return outcome;
    }
};

TEST_F(PanelConfigTest, PresetButtonsConfigureAllPortsAndRewriteTheBoxes)
{
    struct Case {
        int button;
        std::vector<std::uint32_t> configured;
        BoxTexts boxes;
    };
    const Case cases[] = {
        {kAllOutputButton, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFC},
         {L"FFFF", L"FFFF", L"FFFF", L"FFFF", L"FC"}},
        {kAllInputButton, {0, 0, 0, 0, 0}, {L"0000", L"0000", L"0000", L"0000", L"00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        const Outcome outcome = ClickWith(c.button, kJunk);
        EXPECT_EQ(outcome.configured, c.configured);
        EXPECT_EQ(outcome.boxes, c.boxes);
    }
}

TEST_F(PanelConfigTest, UpdateParsesHexLikeStrtoulAndUpperCasesTheBoxes)
{
    struct Case {
        BoxTexts typed;
        std::vector<std::uint32_t> configured;
        BoxTexts shown;
    };
    const Case cases[] = {
        {{L"ff", L"", L"-1", L"12G4", L"fc"},
         {0xFF, 0, 0xFFFFFFFF, 0x12, 0xFC},
         {L"FF", L"", L"-1", L"12G4", L"FC"}},
        {{L"0x1f", L" 7", L"+a", L"zz", L"0Xc"},
         {0x1F, 0x7, 0xA, 0, 0xC},
         {L"0X1F", L" 7", L"+A", L"ZZ", L"0XC"}},
        {{L"abcd", L"-0x1", L"8000", L"0", L"7fff"},
         {0xABCD, 0xFFFFFFFF, 0x8000, 0, 0x7FFF},
         {L"ABCD", L"-0X1", L"8000", L"0", L"7FFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        const Outcome outcome = ClickWith(kUpdateButton, c.typed);
        EXPECT_EQ(outcome.configured, c.configured);
        EXPECT_EQ(outcome.boxes, c.shown);
    }
}

TEST_F(PanelConfigTest, BoxesTakeNoFifthCharacter)
{
    for (int id : kConfigBoxIds) {
        SCOPED_TRACE("box " + std::to_string(id));
        const HWND box = Item(id);
        EXPECT_EQ(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 4);
        std::wstring typed;
        const auto begin = BetweenTicks(
            [&] {
                SetText(box, L"");
                TypeChars(box, L"9abcd");
                typed = Text(box);
            },
            0);
        ASSERT_TRUE(begin) << "typing overlapped a tick of the direction timer each time";
        EXPECT_EQ(typed, L"9abc");
    }
}
