#include "ProbeDialog.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(DialogTest, CommandsTheDialogLeavesReachTheApplicationsMap)
{
    ProbeApp app;
    ProbeDialog dialog([](ProbeDialog& d) {
        SendMessageW(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
        HELPINFO help{};
        help.cbSize = sizeof help;
        SendMessageW(d.GetSafeHwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        SendMessageW(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_HELP + 1, BN_CLICKED), 0);
    });

    EXPECT_EQ(dialog.DoModal(), ProbeDialog::kBodyDone) << "no command ended it";
    EXPECT_EQ(app.helpCommands, 2);
}

TEST(DialogTest, OkExchangesFromTheWindowAndCancelDoesNot)
{
    struct Case {
        int button;
        const wchar_t* textAfter;
    };
    for (const Case& c : {Case{IDOK, L"typed"}, Case{IDCANCEL, L"kept"}}) {
        ProbeDialog dialog([&](ProbeDialog& d) {
            SetWindowTextW(d.Item(IDC_PROBE_EDIT), L"typed");
            SendMessageW(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
        });
        dialog.text = L"kept";

        EXPECT_EQ(dialog.DoModal(), c.button);
        EXPECT_EQ(dialog.text, c.textAfter) << "button " << c.button;
    }
}

TEST(DialogTest, DialogWithoutParentIsOwnedByTheMainWindow)
{
    ProbeApp app;
    HWND mainWindow = nullptr;
    HWND owner = nullptr;
    BOOL mainEnabled = TRUE;
    ProbeDialog main([&](ProbeDialog& outer) {
        mainWindow = outer.GetSafeHwnd();
        ProbeDialog inner([&](ProbeDialog& d) {
            owner = GetWindow(d.GetSafeHwnd(), GW_OWNER);
            mainEnabled = IsWindowEnabled(mainWindow);
        });
        inner.DoModal();
    });
    app.SetMainWindow(&main);
    main.DoModal();

    EXPECT_EQ(owner, mainWindow);
    EXPECT_FALSE(mainEnabled);
}

TEST(DialogTest, ExceptionFromAHandlerEndsTheDialogAndLeavesDoModal)
{
    ProbeDialog dialog([](ProbeDialog&) { throw std::runtime_error("probe failure"); });
    try {
        dialog.DoModal();
        ADD_FAILURE() << "DoModal returned";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "probe failure");
    }
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

    dialog.body = [](ProbeDialog&) {};
    EXPECT_EQ(dialog.DoModal(), ProbeDialog::kBodyDone) << "the object runs again";
}

TEST(DialogTest, ExceptionFromANestedDialogEndsBothDialogs)
{
    ProbeDialog outer([](ProbeDialog&) {
        ProbeDialog inner([](ProbeDialog&) { throw std::runtime_error("inner failure"); });
        inner.DoModal();
    });
    EXPECT_THROW(outer.DoModal(), std::runtime_error);
}

// A handler may send its own window a message whose handler makes another
// choice about default processing; each message keeps its own.
TEST(DialogTest, DefaultProcessingIsChosenPerMessageAlsoWhenHandlersNest)
{
    struct Case {
        bool nestedCallsDefault;
        bool outerCallsDefault;
        bool answerIsTheHandlers;
    };
    const Case cases[] = {
        {false, false, true},
        {true, false, true},
        {false, true, false},
        {true, true, false},
    };
    const auto marker = reinterpret_cast<HCURSOR>(0x1234);
    for (const Case& c : cases) {
        HCURSOR answer = nullptr;
        ProbeDialog dialog([&](ProbeDialog& d) {
            answer = reinterpret_cast<HCURSOR>(SendMessageW(d.GetSafeHwnd(), WM_QUERYDRAGICON, 0, 0));
        });
        dialog.onNestedCommand = [&](ProbeDialog& d) {
            if (c.nestedCallsDefault)
                d.Default();
        };
        dialog.onQueryDragIcon = [&](ProbeDialog& d) {
            SendMessageW(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_PROBE_NESTED, BN_CLICKED), 0);
            if (c.outerCallsDefault)
                d.Default();
            return marker;
        };
        dialog.DoModal();

        EXPECT_EQ(answer == marker, c.answerIsTheHandlers)
            << "nested Default " << c.nestedCallsDefault << ", outer Default " << c.outerCallsDefault;
    }
}

}  // namespace
