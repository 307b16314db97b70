#include "PortPanelDlg.h"

#include "AboutDlg.h"
#include "GdiHandles.h"
#include "PinTable.h"
#include "Resources.h"
#include "res/resource.h"

#include <algorithm>
#include <cassert>

namespace {

// The controls of the LED members, in the order the members are declared.
constexpr std::array<int, 32> kLedBindingOrder = {
    IDC_LED_P1_7, IDC_LED_P1_6, IDC_LED_P1_5, IDC_LED_P1_4, IDC_LED_P1_3, IDC_LED_P1_2,
    IDC_LED_P4_7, IDC_LED_P4_6, IDC_LED_P4_5, IDC_LED_P4_4, IDC_LED_P4_3, IDC_LED_P4_2,
    IDC_LED_P4_1, IDC_LED_P4_0, IDC_LED_P7_1, IDC_LED_P7_0, IDC_LED_P5_7, IDC_LED_P5_6,
    IDC_LED_P5_5, IDC_LED_P5_4, IDC_LED_P5_3, IDC_LED_P5_2, IDC_LED_P5_1, IDC_LED_P5_0,
    IDC_LED_P6_6, IDC_LED_P6_5, IDC_LED_P6_4, IDC_LED_P6_3, IDC_LED_P6_2, IDC_LED_P6_1,
    IDC_LED_P6_0, IDC_LED_P6_7,
};

constexpr bool BindsEveryLedOnce()
{
    for (const PinRow& row : kPinTable) {
        int bindings = 0;
        for (int id : kLedBindingOrder)
            bindings += id == row.ledId;
        if (bindings != 1)
            return false;
    }
    return kLedBindingOrder.size() == kPinTable.size();
}
static_assert(BindsEveryLedOnce(), "each LED of the pin table is bound to one member");

// The configuration edit boxes in the order of their data exchange.
struct TextBinding {
    int editId;
    PortId port;
};
constexpr TextBinding kTextBindings[] = {
    {IDC_CONFIG_P1, PortId::P1}, {IDC_CONFIG_P4, PortId::P4}, {IDC_CONFIG_P5, PortId::P5},
    {IDC_CONFIG_P6, PortId::P6}, {IDC_CONFIG_P7, PortId::P7},
};
constexpr int kConfigTextLimit = 4;

constexpr UINT kFirstPinButton = [] {
    int first = kPinTable[0].onId;
    for (const PinRow& row : kPinTable)
        first = std::min({first, row.onId, row.offId});
    return static_cast<UINT>(first);
}();
constexpr UINT kLastPinButton = [] {
    int last = kPinTable[0].onId;
    for (const PinRow& row : kPinTable)
        last = std::max({last, row.onId, row.offId});
    return static_cast<UINT>(last);
}();

static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX && IDM_ABOUTBOX < 0xF000,
              "the About item's ID is a system command of the application's own");

}  // namespace

// The pin buttons' range also holds other controls: their entries come first.
const CDialog::MessageEntry CPortPanelDlg::messageMap_[] = {
    MapSysCommand<&CPortPanelDlg::OnSysCommand>(),
    MapPaint<&CPortPanelDlg::OnPaint>(),
    MapQueryDragIcon<&CPortPanelDlg::OnQueryDragIcon>(),
    MapTimer<&CPortPanelDlg::OnTimer>(),
    MapCommand<&CPortPanelDlg::OnAllInput>(BN_CLICKED, IDC_ALL_INPUT),
    MapCommand<&CPortPanelDlg::OnAllOutput>(BN_CLICKED, IDC_ALL_OUTPUT),
    MapCommand<&CPortPanelDlg::OnUpdate>(BN_CLICKED, IDC_UPDATE),
    MapCommandRange<&CPortPanelDlg::OnPinButton>(BN_CLICKED, kFirstPinButton, kLastPinButton),
};

CPortPanelDlg::CPortPanelDlg(HWND parent)
    : CDialog(IDD_PORTPANEL_DIALOG, parent),
      logic_(*this, board_),
      // A shared icon: it lives as long as the program, nobody destroys it.
      m_hIcon(LoadIconW(ResourceModule(), MAKEINTRESOURCEW(IDI_PORTPANEL)))
{
}

MessageMap<CDialog> CPortPanelDlg::GetMessageMap() const
{
    return messageMap_;
}

void CPortPanelDlg::DoDataExchange(DataExchange& dx)
{
    for (std::size_t i = 0; i < leds_.size(); ++i)
        dx.Control(kLedBindingOrder[i], leds_[i]);
    for (const TextBinding& binding : kTextBindings) {
        dx.Text(binding.editId, logic_.Config()[static_cast<std::size_t>(binding.port)]);
        dx.MaxChars(binding.editId, kConfigTextLimit);
    }
}

BOOL CPortPanelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const HWND hwnd = GetSafeHwnd();
    if (const HMENU systemMenu = GetSystemMenu(hwnd, FALSE)) {
        const std::wstring about = LoadStringResource(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    logic_.StartUp();
    return TRUE;
}

void CPortPanelDlg::OnSysCommand(UINT command, LPARAM)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        Default();
    }
}

void CPortPanelDlg::OnPaint()
{
    const HWND hwnd = GetSafeHwnd();
    if (!IsIconic(hwnd)) {
        Default();
        return;
    }
    const PaintDC dc(hwnd);
    SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Handle()), 0);
    RECT client;
    GetClientRect(hwnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Handle(), x, y, m_hIcon);
}

HCURSOR CPortPanelDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CPortPanelDlg::OnTimer(UINT_PTR timerId)
{
    logic_.OnTimer(static_cast<int>(timerId));
    Default();
}

void CPortPanelDlg::OnAllInput()
{
    logic_.OnAllInput();
}

void CPortPanelDlg::OnAllOutput()
{
    logic_.OnAllOutput();
}

void CPortPanelDlg::OnUpdate()
{
    logic_.OnUpdate();
}

void CPortPanelDlg::OnPinButton(UINT id)
{
    if (!logic_.OnBitButton(static_cast<int>(id)))
        Default();
}

void CPortPanelDlg::SetLedState(int ledId, bool lit)
{
    const auto binding = std::find(kLedBindingOrder.begin(), kLedBindingOrder.end(), ledId);
    assert(binding != kLedBindingOrder.end() && "an LED of the pin table");
    leds_[static_cast<std::size_t>(binding - kLedBindingOrder.begin())].SetState(lit ? 1 : 0);
}

// The texts live in the logic and take part in the dialog's data exchange.
void CPortPanelDlg::TextsToWindow([[maybe_unused]] const ConfigTexts& texts)
{
    assert(&texts == &logic_.Config());
    UpdateData(ExchangeDirection::ToWindow);
}

void CPortPanelDlg::TextsFromWindow([[maybe_unused]] ConfigTexts& texts)
{
    assert(&texts == &logic_.Config());
    UpdateData(ExchangeDirection::FromWindow);
}

void CPortPanelDlg::ShowWarning(const std::wstring& text, const std::wstring& caption)
{
    MessageBoxW(GetSafeHwnd(), text.c_str(), caption.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

void CPortPanelDlg::StartTimer(int timerId, unsigned periodMs)
{
    SetTimer(GetSafeHwnd(), static_cast<UINT_PTR>(timerId), periodMs, nullptr);
}
