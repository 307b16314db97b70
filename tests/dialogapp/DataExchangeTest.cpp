#include "ProbeDialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring WindowText(HWND window)
{
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return buffer;
}

class TextExchangeTest : public testing::TestWithParam<const wchar_t*> {};

TEST_P(TextExchangeTest, TextRoundTripsThroughTheEditBox)
{
    const std::wstring sample = GetParam();
    std::wstring shown;
    std::wstring readBack;
    ProbeDialog dialog([&](ProbeDialog& d) {
        d.text = sample;
        d.UpdateData(ExchangeDirection::ToWindow);
        shown = WindowText(d.Item(IDC_PROBE_EDIT));

        SetWindowTextW(d.Item(IDC_PROBE_EDIT), sample.c_str());
        d.text = L"stale";
        d.UpdateData(ExchangeDirection::FromWindow);
        readBack = d.text;
    });
    dialog.DoModal();

    EXPECT_EQ(shown, sample);
    EXPECT_EQ(readBack, sample);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextExchangeTest,
                         testing::Values(L"", L"0000", L"0x1f", L"\uD55C\uAE00", L"longer than the limit"));

TEST(DataExchangeTest, TypingIntoTheEditStopsAtItsLimit)
{
    std::wstring typed;
    ProbeDialog dialog([&](ProbeDialog& d) {
        const HWND edit = d.Item(IDC_PROBE_EDIT);
        SetWindowTextW(edit, L"");
        for (wchar_t c : std::wstring(L"123456"))
            SendMessageW(edit, WM_CHAR, c, 0);
        d.UpdateData(ExchangeDirection::FromWindow);
        typed = d.text;
    });
    dialog.DoModal();

    EXPECT_EQ(typed, L"1234");
}

}  // namespace
