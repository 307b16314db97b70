// The system menu's About box, and every way of closing the panel.
#include "PanelFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

using namespace uitest;

namespace {

const wchar_t kAboutCaption[] = L"portpanel 정보";

}  // namespace

class PanelShellTest : public PanelTest {
protected:
    void SetUp() override { StartAndWaitForPanel(); }

    HWND WaitForAbout() const
    {
        return WaitForTopWindow(Panel().Id(), L"#32770", kAboutCaption, 5000);
    }
    // True when the panel polls and toggles while this runs on.
    bool PanelKeepsWorking() const
    {
        const std::size_t from = Log().Size();
        return Log().WaitForCount("PortRead", 4, 3000, from) &&
               Log().WaitForCount("PortConfigure", 1, 3000, from);
    }
};

TEST_F(PanelShellTest, SystemMenuEndsWithSeparatorAndAboutItem)
{
    const auto menu = SystemMenu(Dialog());
    ASSERT_GE(menu.size(), 2u);
    EXPECT_TRUE(menu[menu.size() - 2].separator);
    EXPECT_FALSE(menu.back().separator);
    EXPECT_EQ(menu.back().id, static_cast<UINT>(kAboutCommand));
    EXPECT_EQ(menu.back().text, L"portpanel 정보(&A)...");
}

TEST_F(PanelShellTest, AboutBoxShowsIconVersionAndOkButton)
{
    PostSysCommand(Dialog(), kAboutCommand);
    const HWND about = WaitForAbout();
    ASSERT_NE(about, nullptr);
    const LONG style = Style(about);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

    const auto controls = Children(about);
    ASSERT_GE(controls.size(), 4u);
    EXPECT_EQ(ClassName(controls[0]), L"Static");
    EXPECT_EQ(Style(controls[0]) & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(ClassName(controls[1]), L"Static");
    EXPECT_EQ(Text(controls[1]), L"portpanel 버전 1.0");
    EXPECT_TRUE(Style(controls[1]) & SS_NOPREFIX);
    EXPECT_EQ(ClassName(controls[3]), L"Button");
    EXPECT_EQ(GetDlgCtrlID(controls[3]), IDOK);
    EXPECT_EQ(Text(controls[3]), L"확인");
    EXPECT_EQ(Style(controls[3]) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    SaveScreenshot(L"portpanel-about", about);
}

TEST_F(PanelShellTest, AboutBoxComesAndGoesWhileThePanelKeepsPolling)
{
    // The command's low four bits are the system's own: 0x13 is the About item too.
    const WPARAM commands[] = {kAboutCommand, kAboutCommand | 3, kAboutCommand};
    for (WPARAM command : commands) {
        SCOPED_TRACE("command " + std::to_string(command));
        PostSysCommand(Dialog(), command);
        const HWND about = WaitForAbout();
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(PanelKeepsWorking()) << Log().Dump();
        PostClick(GetDlgItem(about, IDOK));
        ASSERT_TRUE(WaitForWindowGone(about, 5000));
        EXPECT_TRUE(IsWindowVisible(Dialog()));
        EXPECT_TRUE(PanelKeepsWorking());
    }
    // Its close box takes it away as well.
    PostSysCommand(Dialog(), kAboutCommand);
    const HWND about = WaitForAbout();
    ASSERT_NE(about, nullptr);
    PostSysCommand(about, SC_CLOSE);
    EXPECT_TRUE(WaitForWindowGone(about, 5000));
    EXPECT_TRUE(Panel().Running());
    EXPECT_TRUE(PanelKeepsWorking());
}

struct ClosingWay {
    const char* name;
    void (*close)(HWND dialog);
};

void PrintTo(const ClosingWay& way, std::ostream* out) { *out << way.name; }

class PanelClosingTest : public PanelTest, public testing::WithParamInterface<ClosingWay> {
protected:
    void SetUp() override { StartAndWaitForPanel(); }
};

TEST_P(PanelClosingTest, EndsTheProgramWithoutApplyingTypedConfiguration)
{
    ASSERT_TRUE(Log().WaitFor("PortRead", 5000));
    SetText(Item(kConfigBoxIds[kP4]), L"abcd");
    GetParam().close(Dialog());
    ASSERT_TRUE(Panel().WaitForExit(5000)) << "the panel is still running";
    const DWORD code = Panel().ExitCode();
    EXPECT_NE(code & 0xC0000000, 0xC0000000u) << "ended by exception " << std::hex << code;
    for (const LogLine& line : Log().Calls("PortConfigure"))
        EXPECT_NE(line.values.front(), 0xABCDu) << line.text;
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PanelClosingTest,
    testing::Values(
        ClosingWay{"EscapeKey",
                   [](HWND dialog) {
                       PostKey(GetDlgItem(dialog, kExitButton), VK_ESCAPE);
                   }},
        ClosingWay{"CloseBox",
                   [](HWND dialog) { PostSysCommand(dialog, SC_CLOSE); }},
        ClosingWay{"ExitButton",
                   [](HWND dialog) {
                       PostClick(GetDlgItem(dialog, kExitButton));
                   }},
        ClosingWay{"EnterInConfigurationBox",
                   [](HWND dialog) {
                       PostKey(GetDlgItem(dialog, kConfigBoxIds[kP4]), VK_RETURN);
                   }}),
    [](const testing::TestParamInfo<ClosingWay>& info) { return std::string(info.param.name); });
