#include "Dialog.h"

#include "Resources.h"
#include "WinApp.h"

#include <utility>

CDialog::CDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CDialog::DoModal()
{
    const INT_PTR result = DialogBoxParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), Owner(),
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    return result;
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(hwnd_, result);
}

void CDialog::UpdateData(ExchangeDirection direction)
{
    DataExchange dx(hwnd_, direction);
    DoDataExchange(dx);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(ExchangeDirection::ToWindow);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(ExchangeDirection::FromWindow);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(DataExchange&) {}

MessageMap<CDialog> CDialog::GetMessageMap() const
{
    return {};
}

HWND CDialog::Owner() const
{
    if (parent_)
        return parent_;
    const CWinApp* app = CWinApp::Current();
    const CDialog* mainWindow = app ? app->MainWindow() : nullptr;
    return mainWindow && mainWindow != this ? mainWindow->GetSafeHwnd() : nullptr;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        return FALSE;
    }
    try {
        if (message == WM_INITDIALOG)
            return self->OnInitDialog();
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        if (!self->failure_)
            self->failure_ = std::current_exception();
        ::EndDialog(hwnd, -1);
        return FALSE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const MessageEntry* entry = GetMessageMap().Find(message, wParam)) {
        // A handler may send messages to its own window; each keeps its own choice.
        const bool outer = useDefault_;
        useDefault_ = false;
        const LRESULT result = entry->call(*this, wParam, lParam);
        const bool useDefault = std::exchange(useDefault_, outer);
        return useDefault ? FALSE : Reply(message, result);
    }
    switch (message) {
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED && OnCommand(LOWORD(wParam));
    case WM_HELP:
        return OnCommand(ID_HELP);
    }
    return FALSE;
}

INT_PTR CDialog::Reply(UINT message, LRESULT result)
{
    // The dialog procedure returns the answer to a drag-icon query itself (as for
    // WM_CTLCOLOR* and a few others); other results go through DWLP_MSGRESULT.
    if (message == WM_QUERYDRAGICON)
        return result;
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

// Commands and clicks the dialog's map leaves: OK, Cancel, then the application's map.
bool CDialog::OnCommand(UINT id)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    }
    CWinApp* app = CWinApp::Current();
    return app && app->OnCmdMsg(id);
}
