// The form F_Cal as it opens: border, size and place, every control's class,
// text, rectangle and state, the focus and the Tab key.
#include "CheckFixture.h"

#include "Screen.h"
#include "Wait.h"
#include "WindowAccess.h"

#include <vector>

using namespace uitest;

namespace {

struct Twips {
    int left, top, width, height;
};

struct ExpectedControl {
    const char* name;
    int id;
    const wchar_t* className;
    const wchar_t* text;  // nullptr: the board's reading decides
    Twips rect;
    bool enabled;
};

const ExpectedControl kControls[] = {
    {"Label1(0)", IDC_LABEL1 + 0, L"Static", L"P4", {2040, 240, 375, 255}, true},
    {"Label1(1)", IDC_LABEL1 + 1, L"Static", L"P5", {2760, 240, 375, 255}, true},
    {"Label1(2)", IDC_LABEL1 + 2, L"Static", L"P6", {3480, 240, 375, 255}, true},
    {"Label1(3)", IDC_LABEL1 + 3, L"Static", L"P7", {4200, 240, 375, 255}, true},
    {"Label1(4)", IDC_LABEL1 + 4, L"Static", L"P1", {4920, 240, 375, 255}, true},
    {"P4R", IDC_P4R, L"Edit", nullptr, {1920, 600, 615, 270}, false},
    {"P5R", IDC_P5R, L"Edit", nullptr, {2640, 600, 615, 270}, false},
    {"P6R", IDC_P6R, L"Edit", nullptr, {3360, 600, 615, 270}, false},
    {"P7R", IDC_P7R, L"Edit", nullptr, {4080, 600, 615, 270}, false},
    {"P1R", IDC_P1R, L"Edit", nullptr, {4800, 600, 615, 270}, false},
    {"P4W", IDC_P4W, L"Edit", L"0", {1920, 1080, 615, 270}, true},
    {"P5W", IDC_P5W, L"Edit", L"0", {2640, 1080, 615, 270}, true},
    {"P6W", IDC_P6W, L"Edit", L"0", {3360, 1080, 615, 270}, true},
    {"P7W", IDC_P7W, L"Edit", L"0", {4080, 1080, 615, 270}, true},
    {"P1W", IDC_P1W, L"Edit", L"0", {4800, 1080, 615, 270}, true},
    {"PortReadBT", IDC_PORTREADBT, L"Button", L"PortRead", {480, 600, 1215, 255}, true},
    {"PortWriteBT", IDC_PORTWRITEBT, L"Button", L"PortWrite", {480, 1080, 1215, 255}, true},
};

struct Dpi {
    int x, y;
};

Dpi ScreenDpi()
{
    const ScreenDc screen;
    return {GetDeviceCaps(screen.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSY)};
}

int Pixels(int twips, int dpi)
{
    return MulDiv(twips, dpi, 1440);
}

bool SameClass(HWND window, const wchar_t* name)
{
    return _wcsicmp(ClassName(window).c_str(), name) == 0;
}

class LayoutTest : public CheckTest {
protected:
    void SetUp() override { StartAndWaitForForm(); }
};

TEST_F(LayoutTest, FormHasFixedSingleBorderNoBoxesAndItsClientAreaInTwips)
{
    const Dpi dpi = ScreenDpi();
    EXPECT_EQ(Text(Form()), L"Test");
    const LONG style = Style(Form());
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the border must not be sizeable";
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    RECT client{};
    GetClientRect(Form(), &client);
    EXPECT_EQ(client.right, Pixels(5850, dpi.x));
    EXPECT_EQ(client.bottom, Pixels(1560, dpi.y));

    // The stored client origin fits on the test screen, so it is kept.
    POINT origin{0, 0};
    ClientToScreen(Form(), &origin);
    EXPECT_EQ(origin.x, Pixels(9270, dpi.x));
    EXPECT_EQ(origin.y, Pixels(9255, dpi.y));
}

TEST_F(LayoutTest, EveryControlHasItsClassTextStateAndTwipsRectangle)
{
    const Dpi dpi = ScreenDpi();
    ASSERT_TRUE(WaitUntil([&] { return Text(Item(IDC_P1W)) == L"0"; }, 3000));
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(expected.name);
        HWND control = Item(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(SameClass(control, expected.className)) << "class " << ClassName(control);
        if (expected.text) {
            EXPECT_EQ(Text(control), expected.text);
        }
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
        EXPECT_TRUE(IsWindowVisible(control));
        const RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, Pixels(expected.rect.left, dpi.x));
        EXPECT_EQ(rect.top, Pixels(expected.rect.top, dpi.y));
        EXPECT_EQ(rect.right - rect.left, Pixels(expected.rect.width, dpi.x));
        EXPECT_EQ(rect.bottom - rect.top, Pixels(expected.rect.height, dpi.y));
    }
    EXPECT_EQ(Children(Form()).size(), std::size(kControls)) << "no other controls";
}

TEST_F(LayoutTest, FocusStartsOnPortReadAndTabWalksButtonsThenWriteBoxesFromP1ToP4)
{
    ASSERT_TRUE(WaitUntil([&] { return Focus() == Item(IDC_PORTREADBT); }, 3000));
    // The read boxes are disabled and the labels take no focus.
    const int order[] = {IDC_PORTWRITEBT, IDC_P1W, IDC_P7W, IDC_P6W, IDC_P5W, IDC_P4W, IDC_PORTREADBT};
    for (int id : order) {
        PostKey(Focus(), VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return Focus() == Item(id); }, 2000))
            << "focus on control " << GetDlgCtrlID(Focus()) << " instead of " << id;
        if (SameClass(Item(id), L"Edit")) {
            EXPECT_EQ(Selection(Item(id)), std::make_pair(0, 1)) << "the whole text \"0\" is selected";
        }
    }
}

TEST_F(LayoutTest, ShiftTabWalksBackwards)
{
    ASSERT_TRUE(WaitUntil([&] { return Focus() == Item(IDC_PORTREADBT); }, 3000));
    SetForegroundWindow(Form());
    INPUT keys[4]{};
    const WORD sequence[][2] = {{VK_SHIFT, 0}, {VK_TAB, 0}, {VK_TAB, KEYEVENTF_KEYUP}, {VK_SHIFT, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i][0];
        keys[i].ki.dwFlags = sequence[i][1];
    }
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    EXPECT_TRUE(WaitUntil([&] { return Focus() == Item(IDC_P4W); }, 2000))
        << "focus on control " << GetDlgCtrlID(Focus());
}

}  // namespace
