#include "ProbeDialog.h"

#include <gtest/gtest.h>

namespace {

TEST(StaticTest, BoundObjectPaintsItsControlUntilTheControlIsDestroyed)
{
    HWND bound = nullptr;
    HWND control = nullptr;
    int paints = -1;
    ProbeDialog dialog([&](ProbeDialog& d) {
        d.UpdateData(ExchangeDirection::ToWindow);
        bound = d.lamp.GetSafeHwnd();
        control = d.Item(IDC_PROBE_LAMP);
        const int before = d.lampPaints;
        RedrawNow(control);
        paints = d.lampPaints - before;
    });
    dialog.DoModal();

    EXPECT_EQ(bound, control);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(dialog.lamp.GetSafeHwnd(), nullptr) << "unbound when its window went";
}

TEST(StaticTest, ControlOutlivingItsObjectIsNoLongerPaintedThroughIt)
{
    int paints = 0;
    int paintsWhileBound = -1;
    ProbeDialog dialog([&](ProbeDialog& d) {
        const HWND control = CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20,
                                           d.GetSafeHwnd(), nullptr, nullptr, nullptr);
        {
            CountingStatic object(paints);
            object.SubclassWindow(control);
            RedrawNow(control);
            paintsWhileBound = paints;
        }
        RedrawNow(control);
    });
    dialog.DoModal();

    EXPECT_EQ(paintsWhileBound, 1);
    EXPECT_EQ(paints, 1);
}

}  // namespace
