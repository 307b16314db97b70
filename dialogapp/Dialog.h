// CDialog - a modal dialog built from a dialog template resource. DoModal runs
// it with the object pointer in DWLP_USER; the base cracks the messages, looks
// them up in the derived class's message map and handles OK, Cancel and help.
// An exception from a handler ends the dialog and is rethrown by DoModal, so
// that none crosses into Windows.
#pragma once

#include "DataExchange.h"
#include "MessageMap.h"

#include <windows.h>

#include <exception>

class CDialog {
public:
    using MessageTarget = CDialog;
    using MessageEntry = ::MessageEntry<CDialog>;

    // Without a parent the dialog is owned by the application's main window, if any.
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // The result the dialog ended with (IDOK, IDCANCEL), -1 when it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // Runs DoDataExchange in the given direction.
    void UpdateData(ExchangeDirection direction);
    HWND GetSafeHwnd() const { return hwnd_; }

protected:
    // Exchanges data towards the window; TRUE lets Windows focus the first control.
    virtual BOOL OnInitDialog();
    // Exchanges data from the window, then ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& dx);
    virtual MessageMap<CDialog> GetMessageMap() const;

    // Called by a handler: the dialog's default processing handles the message too.
    void Default() { useDefault_ = true; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Reply(UINT message, LRESULT result);
    bool OnCommand(UINT id);
    HWND Owner() const;

    UINT templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    bool useDefault_ = false;
    std::exception_ptr failure_;
};
