// Without a board the panel says so once, then runs as if the board were there.
#include "PanelFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

#include <vector>

using namespace uitest;

class PanelWithoutBoardTest : public PanelTest {
protected:
    void SetUp() override
    {
        Start({{L"QORVEL_SIM_ABSENT", L"1"}});
        box_ = WaitForTopWindow(Panel().Id(), L"#32770", L"Connection Error", kStartTimeoutMs);
        ASSERT_NE(box_, nullptr) << "no Connection Error box";
    }

    std::vector<HWND> ChildrenOfClass(const wchar_t* className) const
    {
        std::vector<HWND> found;
        for (HWND child : Children(box_))
            if (ClassName(child) == className && IsWindowVisible(child))
                found.push_back(child);
        return found;
    }

    HWND box_ = nullptr;
};

TEST_F(PanelWithoutBoardTest, ConnectionErrorBoxHasTheMessageAnExclamationIconAndOneOkButton)
{
    bool textFound = false;
    bool iconFound = false;
    for (HWND label : ChildrenOfClass(L"Static")) {
        if ((Style(label) & SS_TYPEMASK) == SS_ICON)
            iconFound = true;
        else if (Text(label) ==
                 L"Could not find \"Qorvel\" Board\nPlease check the Hardware connection")
            textFound = true;
    }
    EXPECT_TRUE(textFound);
    EXPECT_TRUE(iconFound);
    const auto buttons = ChildrenOfClass(L"Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
    EXPECT_EQ(Text(buttons[0]), L"OK");
}

TEST_F(PanelWithoutBoardTest, StartUpWaitsForTheBoxThenRunsAsUsual)
{
    // Nothing but InitBoard while the box is open.
    Sleep(700);
    const auto early = Log().Lines();
    ASSERT_EQ(early.size(), 1u) << Log().Dump();
    EXPECT_EQ(early[0].operation, "InitBoard");
    EXPECT_EQ(early[0].values, std::vector<std::uint32_t>{0});

    Click(GetDlgItem(box_, IDOK));
    dialog_ = WaitForPanel();
    ASSERT_NE(dialog_, nullptr);
    const BoxTexts boxes = Boxes();
    if (Log().Calls("PortConfigure").size() <= 2) {  // no output tick yet
        EXPECT_EQ(boxes, (BoxTexts{L"0000", L"0000", L"0000", L"0000", L"00"}));
    }
    EXPECT_TRUE(Log().WaitForCount("PortRead", 5, 5000)) << Log().Dump();
    const auto lines = Log().Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].operation, "PortConfigure");
    EXPECT_EQ(lines[1].values, (std::vector<std::uint32_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(Log().Calls("InitBoard").size(), 1u);
    EXPECT_EQ(FindTopWindow(Panel().Id(), nullptr, L"Connection Error"), nullptr)
        << "the box came back";
}
