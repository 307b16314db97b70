// The main dialog as the user sees it: window styles, every control of the
// template in order with its class, text, style and place, tab order, focus.
#include "PanelFixture.h"

#include "DialogUnits.h"
#include "Wait.h"
#include "WindowAccess.h"

#include <vector>

using namespace uitest;

namespace {

enum class Kind { Button, Group, Led, Label, Edit };

struct Expected {
    Kind kind;
    int id;
    std::wstring text;
    int x, y, width, height;
    LONG style;  // the control's own style bits plus WS_TABSTOP / WS_GROUP
};

constexpr int kLedPixelsWide = 25;
constexpr int kLedPixelsHigh = 23;

const wchar_t kNote1[] = L"(주) 1.  Port 1.0과 1.1은 USB 데이터 +/-로 사용되고 있으므로 General "
                         L"Purpose I/O로 사용할 수 가 없다.";
const wchar_t kNote2[] = L"따라서,  절대로 Pull-up 시키지 않는다.";
const wchar_t kNote3[] = L"2.  Port 7의 경우 0과 1번만을 사용할 수 있다.";
const wchar_t kNote4[] = L"3.  LED는 Port가 '0'일 경우 점등한다. \"ON\"버튼을 누르면 '0'이출력되고 "
                         L"\"OFF\"는 '1'이 출력됨.";

class TemplateBuilder {
public:
    void Button(int id, const std::wstring& text, int x, int y, int w, int h,
                LONG style = BS_PUSHBUTTON)
    {
        Add({Kind::Button, id, text, x, y, w, h, style | WS_TABSTOP});
    }
    void Group(const std::wstring& text, int x, int y, int w, int h, LONG extra)
    {
        Add({Kind::Group, -1, text, x, y, w, h, BS_GROUPBOX | extra});
    }
    void Led(int id, int x, int y) { Add({Kind::Led, id, L"", x, y, 14, 15, SS_BITMAP}); }
    void Label(const std::wstring& text, int x, int y, int w = 8, int h = 8)
    {
        Add({Kind::Label, -1, text, x, y, w, h, SS_LEFT | WS_GROUP});
    }
    void Edit(int id, int y)
    {
        Add({Kind::Edit, id, L"", 370, y, 25, 14, ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP});
    }
    void OnOff(int onId, int offId, int x, int y, bool plainOn = false)
    {
        Button(onId, plainOn ? L"ON" : L"ON ", x, y, 15, 15);
        Button(offId, L"OFF", x, y + 15, 15, 15);
    }
    void DigitLabels(int x, int y)
    {
        for (int bit = 0; bit < 8; ++bit)
            Label(std::to_wstring(bit), x + 20 * bit, y);
    }
    // LED, ON, OFF of seven pins side by side.
    void Triples(int firstLed, int step, const std::vector<int>& xs, int ledY)
    {
        int id = firstLed;
        for (int x : xs) {
            Led(id, x, ledY);
            OnOff(id + 1, id + 2, x, ledY + 20);
            id += step;
        }
    }
    std::vector<Expected> Take() { return std::move(controls_); }

private:
    void Add(Expected control) { controls_.push_back(std::move(control)); }
    std::vector<Expected> controls_;
};

std::vector<int> Steps(int first, int step, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + step * i);
    return values;
}

// Template 102 in template order.
std::vector<Expected> PanelTemplate()
{
    TemplateBuilder t;
    t.Button(1, L"종료", 345, 195, 55, 35, BS_DEFPUSHBUTTON);
    t.Group(L"", 0, 0, 405, 240, BS_FLAT);
    t.Led(1004, 10, 40);
    t.Group(L"Port 4 Status", 5, 15, 165, 80, BS_CENTER);
    for (int i = 0; i < 7; ++i)
        t.Led(1005 + i, 30 + 20 * i, 40);
    t.OnOff(1002, 1012, 10, 60, true);
    t.DigitLabels(15, 30);
    for (int i = 0; i < 7; ++i)
        t.OnOff(1027 + 2 * i, 1028 + 2 * i, 30 + 20 * i, 60);
    t.Led(1041, 180, 40);
    t.Group(L"Port Configure", 345, 15, 55, 170, BS_CENTER);
    t.OnOff(1049, 1050, 180, 60);
    t.DigitLabels(185, 30);
    t.Triples(1065, 3, Steps(200, 20, 7), 40);
    t.Led(1086, 10, 130);
    t.Group(L"Port 6 Status", 5, 105, 165, 80, BS_CENTER);
    t.OnOff(1087, 1088, 10, 150);
    t.DigitLabels(15, 120);
    t.Triples(1110, 3, Steps(30, 20, 7), 130);
    t.Led(1131, 180, 130);
    t.Group(L"Port 7 and 1 Status", 175, 105, 165, 80, BS_CENTER);
    t.OnOff(1132, 1133, 180, 150);
    const wchar_t* lastGroupLabels[] = {L"7.0", L"7.1", L"1.2", L"1.3",
                                        L"1.4", L"1.5", L"1.6", L"1.7"};
    const int lastGroupLabelX[] = {182, 201, 220, 240, 260, 280, 300, 320};
    for (int i = 0; i < 8; ++i)
        t.Label(lastGroupLabels[i], lastGroupLabelX[i], 120, 13, 8);
    t.Triples(1134, 3, Steps(199, 20, 7), 130);
    t.Label(kNote1, 5, 191, 328, 8);
    t.Label(kNote3, 20, 213, 142, 8);
    t.Group(L"Port 5 Status", 175, 15, 165, 80, BS_CENTER);
    const int boxes[] = {1013, 1155, 1156, 1157, 1158};
    const wchar_t* boxLabels[] = {L"P4", L"P5", L"P6", L"P7", L"P1"};
    for (int i = 0; i < 5; ++i) {
        t.Edit(boxes[i], 30 + 20 * i);
        t.Label(boxLabels[i], 352, 32 + 20 * i);
    }
    t.Button(1014, L"All Input", 350, 155, 45, 14);
    t.Button(1015, L"All Output", 350, 170, 45, 14);
    t.Button(1016, L"Update", 350, 130, 45, 14);
    t.Label(kNote2, 30, 202, 123, 8);
    t.Label(kNote4, 20, 226, 292, 8);
    return t.Take();
}

const wchar_t* ClassOf(Kind kind)
{
    switch (kind) {
    case Kind::Button:
    case Kind::Group:
        return L"Button";
    case Kind::Led:
    case Kind::Label:
        return L"Static";
    case Kind::Edit:
        return L"Edit";
    }
    return L"";
}

// The bits a control keeps as the template gave them. Edits trade WS_BORDER
// for a client edge when created, so the border is checked apart.
constexpr LONG kComparedStyle = 0xFFFF | WS_TABSTOP | WS_GROUP | WS_DISABLED;

bool HasBorder(HWND control)
{
    return (Style(control) & WS_BORDER) || (ExStyle(control) & WS_EX_CLIENTEDGE);
}

std::wstring Describe(int index, const Expected& control)
{
    return L"control #" + std::to_wstring(index) + L" (ID " + std::to_wstring(control.id) + L")";
}

}  // namespace

class PanelInventoryTest : public PanelTest {
protected:
    void SetUp() override { StartAndWaitForPanel(); }
};

TEST_F(PanelInventoryTest, WindowIsAVisibleModalFrameWithSystemMenuOnTheTaskBar)
{
    const LONG style = Style(Dialog());
    const LONG wanted = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & wanted, wanted) << std::hex << style;
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_THICKFRAME), 0)
        << std::hex << style;
    EXPECT_EQ(style & DS_CENTER, 0) << std::hex << style;
    EXPECT_TRUE(ExStyle(Dialog()) & WS_EX_APPWINDOW) << std::hex << ExStyle(Dialog());
}

TEST_F(PanelInventoryTest, WindowSitsAtTheOriginWithTheTemplateSize)
{
    const DialogUnits units(Panel().Path(), 102);
    const RECT expected = units.ToPixels(0, 0, 409, 245);
    RECT client{};
    GetClientRect(Dialog(), &client);
    EXPECT_EQ(client.right, expected.right - expected.left);
    EXPECT_EQ(client.bottom, expected.bottom - expected.top);
    const RECT window = ScreenRect(Dialog());
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 0);
}

TEST_F(PanelInventoryTest, ControlsFollowTheTemplateInOrder)
{
    const std::vector<Expected> expected = PanelTemplate();
    ASSERT_EQ(expected.size(), 152u);
    const std::vector<HWND> controls = Children(Dialog());
    ASSERT_EQ(controls.size(), expected.size());

    const DialogUnits units(Panel().Path(), 102);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& want = expected[i];
        const HWND control = controls[i];
        SCOPED_TRACE(Describe(static_cast<int>(i), want));
        const int id = GetDlgCtrlID(control);
        EXPECT_EQ(want.id == -1 ? 0xFFFF : want.id, id & 0xFFFF);
        EXPECT_EQ(ClassName(control), ClassOf(want.kind));
        if (want.kind != Kind::Led && want.kind != Kind::Edit) {
            EXPECT_EQ(Text(control), want.text);
        }
        const LONG style = Style(control);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
        EXPECT_EQ(style & kComparedStyle, want.style) << std::hex << style;
        if (want.kind == Kind::Edit) {
            EXPECT_TRUE(HasBorder(control));
        }

        RECT place = units.ToPixels(want.x, want.y, want.width, want.height);
        if (want.kind == Kind::Led) {
            place.right = place.left + kLedPixelsWide;
            place.bottom = place.top + kLedPixelsHigh;
        }
        const RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        EXPECT_EQ(actual.right, place.right);
        EXPECT_EQ(actual.bottom, place.bottom);
    }
}

TEST_F(PanelInventoryTest, TabKeyVisitsTheTabStopsInTemplateOrder)
{
    std::vector<int> stops;
    for (const Expected& control : PanelTemplate())
        if (control.style & WS_TABSTOP)
            stops.push_back(control.id);
    stops.push_back(stops.front());  // and around again

    ASSERT_EQ(GetDlgCtrlID(FocusOf(Panel().ThreadId())), stops.front());
    for (std::size_t i = 1; i < stops.size(); ++i) {
        PostKey(FocusOf(Panel().ThreadId()), VK_TAB);
        const bool moved = WaitUntil(
            [&] { return GetDlgCtrlID(FocusOf(Panel().ThreadId())) == stops[i]; }, 3000);
        ASSERT_TRUE(moved) << "after tab stop " << stops[i - 1] << " expected " << stops[i]
                           << ", focus is on "
                           << GetDlgCtrlID(FocusOf(Panel().ThreadId()));
    }
}

TEST_F(PanelInventoryTest, ExitIsTheDefaultButtonAndHasTheFocusAtStart)
{
    const LRESULT defaultId = SendMessageW(Dialog(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), kExitButton);
    EXPECT_EQ(FocusOf(Panel().ThreadId()), Item(kExitButton));
}
