// A dialog of the layer, built from the probe template, whose test body runs
// inside its modal loop on its first timer tick; unless OK or Cancel ended the
// dialog, it ends with kBodyDone when the body returns. Its bound static counts paints, and its map has hooks for the drag
// icon query and for one command.
#pragma once

#include "Dialog.h"
#include "GdiHandles.h"
#include "Static.h"
#include "WinApp.h"
#include "probe_resource.h"

#include <functional>
#include <string>

class CountingStatic : public CStatic {
public:
    explicit CountingStatic(int& paints) : paints_(paints) {}

protected:
    void OnPaint() noexcept override
    {
        const PaintDC dc(GetSafeHwnd());
        ++paints_;
    }

private:
    int& paints_;
};

// Paints the window now, as Windows would when it next got the chance.
inline void RedrawNow(HWND window)
{
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

class ProbeDialog : public CDialog {
public:
    static constexpr INT_PTR kBodyDone = 100;

    std::function<void(ProbeDialog&)> body;
    std::function<HCURSOR(ProbeDialog&)> onQueryDragIcon;
    std::function<void(ProbeDialog&)> onNestedCommand;

    std::wstring text;
    int lampPaints = 0;
    CountingStatic lamp{lampPaints};

    explicit ProbeDialog(std::function<void(ProbeDialog&)> testBody, HWND parent = nullptr)
        : CDialog(IDD_PROBE, parent), body(std::move(testBody))
    {
    }

    HWND Item(int id) const { return GetDlgItem(GetSafeHwnd(), id); }
    using CDialog::Default;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        endedByCommand_ = false;
        SetTimer(GetSafeHwnd(), kBodyTimer, 10, nullptr);
        return TRUE;
    }

    void DoDataExchange(DataExchange& dx) override
    {
        dx.Control(IDC_PROBE_LAMP, lamp);
        dx.Text(IDC_PROBE_EDIT, text);
        dx.MaxChars(IDC_PROBE_EDIT, 4);
    }

    void OnOK() override
    {
        endedByCommand_ = true;
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        endedByCommand_ = true;
        CDialog::OnCancel();
    }
    MessageMap<CDialog> GetMessageMap() const override;

private:
    static constexpr UINT_PTR kBodyTimer = 1;
    static const MessageEntry messageMap_[];
    bool endedByCommand_ = false;

    void OnTimer(UINT_PTR)
    {
        KillTimer(GetSafeHwnd(), kBodyTimer);
        body(*this);
        if (!endedByCommand_)
            EndDialog(kBodyDone);
    }
    HCURSOR OnQueryDragIcon() { return onQueryDragIcon(*this); }
    void OnNestedCommand() { onNestedCommand(*this); }
};

inline const CDialog::MessageEntry ProbeDialog::messageMap_[] = {
    MapTimer<&ProbeDialog::OnTimer>(),
    MapQueryDragIcon<&ProbeDialog::OnQueryDragIcon>(),
    MapCommand<&ProbeDialog::OnNestedCommand>(BN_CLICKED, IDC_PROBE_NESTED),
};

inline MessageMap<CDialog> ProbeDialog::GetMessageMap() const
{
    return messageMap_;
}

// An application object for the tests that need one; it counts help commands.
class ProbeApp : public CWinApp {
public:
    int helpCommands = 0;

    BOOL InitInstance() override { return FALSE; }

protected:
    MessageMap<CWinApp> GetMessageMap() const override;

private:
    static const MessageEntry messageMap_[];

    void OnProbeHelp() { ++helpCommands; }
};

inline const CWinApp::MessageEntry ProbeApp::messageMap_[] = {
    MapCommand<&ProbeApp::OnProbeHelp>(BN_CLICKED, ID_HELP),
};

inline MessageMap<CWinApp> ProbeApp::GetMessageMap() const
{
    return messageMap_;
}
