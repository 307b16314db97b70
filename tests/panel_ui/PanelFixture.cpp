#include "PanelFixture.h"

#include "Screen.h"
#include "WindowAccess.h"

#include <cstdio>

using namespace uitest;

void PanelTest::Start(const Environment& extra)
{
    logFile_ = std::make_unique<TempFile>(L"qpl");
    log_.emplace(logFile_->Path());
    Environment environment = extra;
    environment.emplace_back(L"QORVEL_SIM_LOG", logFile_->Path());
    panel_ = std::make_unique<Program>(kPanelExe, environment);
}

void PanelTest::StartAndWaitForPanel(const Environment& extra)
{
    Start(extra);
    dialog_ = WaitForPanel();
    ASSERT_NE(dialog_, nullptr) << "the panel's window did not appear";
}

HWND PanelTest::WaitForPanel(DWORD timeoutMs) const
{
    return WaitForTopWindow(panel_->Id(), L"#32770", kPanelCaption, timeoutMs);
}

HWND PanelTest::Item(int id) const
{
    return GetDlgItem(dialog_, id);
}

BoxTexts PanelTest::Boxes() const
{
    BoxTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = Text(Item(kConfigBoxIds[i]));
    return texts;
}

void PanelTest::SetBoxes(const BoxTexts& texts) const
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        SetText(Item(kConfigBoxIds[i]), texts[i]);
}

void PanelTest::SaveScreenshot(const std::wstring& name, HWND window) const
{
    const std::wstring path = BuildDir() + L"\\screenshots\\" + name + L".png";
    EXPECT_TRUE(SaveScreenPng(ScreenRect(window ? window : dialog_), path)) << "no screenshot saved";
}

std::size_t PanelTest::ConfiguresFrom(std::size_t from) const
{
    std::size_t count = 0;
    for (const LogLine& line : Log().LinesFrom(from))
        count += line.Is("PortConfigure");
    return count;
}

std::string HexBytes(const Levels& bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X %02X", bytes[0], bytes[1], bytes[2],
                  bytes[3], bytes[4]);
    return text;
}
