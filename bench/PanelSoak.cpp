#include "PanelSoak.h"

#include "WindowAccess.h"
#include "resource.h"

#include <array>
#include <cstdio>

namespace bench {

namespace {

constexpr wchar_t kCaption[] = L"Qorvel  Program II";
constexpr wchar_t kAboutCaption[] = L"portpanel 정보";
constexpr std::size_t kPinButtons = 64;
constexpr std::array<int, 5> kConfigBoxes = {IDC_CONFIG_P4, IDC_CONFIG_P5, IDC_CONFIG_P6,
                                             IDC_CONFIG_P7, IDC_CONFIG_P1};
enum : std::size_t { kAllInput = kPinButtons, kAllOutput, kUpdate, kAbout, kActions };

}  // namespace

PanelSoak::PanelSoak() : Soak(L"portpanel.exe", kCaption)
{
    for (HWND child : uitest::Children(Window())) {
        // Most ON captions end in a space.
        const std::wstring text = uitest::Text(child);
        const std::wstring word = text.substr(0, text.find_last_not_of(L' ') + 1);
        if (uitest::ClassName(child) == L"Button" && (word == L"ON" || word == L"OFF"))
            pinButtons_.push_back(child);
    }
    if (pinButtons_.size() != kPinButtons)
        Problem("the panel has " + std::to_string(pinButtons_.size()) + " pin buttons, not 64");
}

std::size_t PanelSoak::ActionCount() const
{
    return kActions;
}

void PanelSoak::Act(std::size_t action)
{
    if (action < pinButtons_.size())
        uitest::Click(pinButtons_[action]);
    else if (action == kAllInput)
        uitest::Click(Item(IDC_ALL_INPUT));
    else if (action == kAllOutput)
        uitest::Click(Item(IDC_ALL_OUTPUT));
    else if (action == kUpdate)
        TypeConfiguration();
    else if (action == kAbout)
        OpenAndCloseAbout();
}

// Valid values only: four hex digits for P4 to P7, two for P1.
void PanelSoak::TypeConfiguration()
{
    for (std::size_t i = 0; i < kConfigBoxes.size(); ++i) {
        wchar_t text[8];
        if (i + 1 < kConfigBoxes.size())
            std::swprintf(text, 8, L"%04X", static_cast<unsigned>(Random()() & 0xFFFF));
        else
            std::swprintf(text, 8, L"%02X", static_cast<unsigned>(Random()() & 0xFF));
        uitest::SetText(Item(kConfigBoxes[i]), text);
    }
    uitest::Click(Item(IDC_UPDATE));
}

// The panel keeps polling under the box for a while before it is closed.
void PanelSoak::OpenAndCloseAbout()
{
    uitest::PostSysCommand(Window(), IDM_ABOUTBOX);
    const HWND about = uitest::WaitForTopWindow(ProcessId(), L"#32770", kAboutCaption, 5000);
    if (!about) {
        Problem("the About box did not open");
        return;
    }
    Sleep(100 + Random()() % 400);
    uitest::PostClick(GetDlgItem(about, IDOK));
    if (!uitest::WaitForWindowGone(about, 5000))
        Problem("the About box did not close");
}

}  // namespace bench
