#include "CheckFixture.h"

#include "Screen.h"
#include "Wait.h"
#include "WindowAccess.h"


using namespace uitest;

void CheckTest::Start(const Environment& extra, const std::wstring& exe)
{
    logFile_ = std::make_unique<TempFile>(L"pcl");
    log_.emplace(logFile_->Path());
    Environment environment = extra;
    environment.emplace_back(L"QORVEL_SIM_LOG", logFile_->Path());
    program_ = std::make_unique<Program>(exe, environment);
}

void CheckTest::StartAndWaitForForm(const Environment& extra)
{
    Start(extra);
    form_ = WaitForTopWindow(program_->Id(), nullptr, kFormCaption, kStartTimeoutMs);
    ASSERT_NE(form_, nullptr) << "the form did not appear";
}

HWND CheckTest::Focus() const
{
    return FocusOf(program_->ThreadId());
}

BoxTexts CheckTest::Texts(const std::array<int, 5>& ids) const
{
    BoxTexts texts;
    for (std::size_t i = 0; i < ids.size(); ++i)
        texts[i] = Text(Item(ids[i]));
    return texts;
}

void CheckTest::SetWriteTexts(const BoxTexts& texts) const
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        SetText(Item(kWriteBoxes[i]), texts[i]);
}

bool CheckTest::WaitForReadTexts(const BoxTexts& texts, DWORD timeoutMs) const
{
    return WaitUntil([&] { return Texts(kReadBoxes) == texts; }, timeoutMs);
}

MessageView CheckTest::WaitForMessage(DWORD timeoutMs) const
{
    MessageView view;
    view.window = WaitForTopWindow(program_->Id(), L"#32770", kProgramTitle, timeoutMs);
    if (!view.window)
        return view;
    for (HWND child : Children(view.window)) {
        if (!IsWindowVisible(child))
            continue;
        const std::wstring kind = ClassName(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0)
            view.buttons.push_back(Text(child));
        else if (_wcsicmp(kind.c_str(), L"Static") == 0)
            view.text += Text(child);
    }
    return view;
}

bool CheckTest::Acknowledge(const MessageView& box)
{
    for (HWND child : Children(box.window))
        if (IsWindowVisible(child) && _wcsicmp(ClassName(child).c_str(), L"Button") == 0)
            PostClick(child);
    return WaitForWindowGone(box.window, kBoxTimeoutMs);
}

void CheckTest::SaveScreenshot(const std::wstring& name, HWND window) const
{
    const std::wstring path = BuildDir() + L"\\screenshots\\" + name + L".png";
    EXPECT_TRUE(SaveScreenPng(ScreenRect(window), path)) << "no screenshot saved";
}

std::pair<int, int> Selection(HWND edit)
{
    const DWORD range = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
    return {LOWORD(range), HIWORD(range)};
}
