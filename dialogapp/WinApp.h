// CWinApp - the program's one application object, a global whose constructor
// registers it. The program's entry (wWinMain, in this layer) runs its
// InitInstance; the program ends when that returns. Commands that no dialog
// handles, such as help (F1), go to the application's message map.
#pragma once

#include "MessageMap.h"

#include <windows.h>

class CDialog;

// The standard help command.
constexpr UINT ID_HELP = 0xE146;

class CWinApp {
public:
    using MessageTarget = CWinApp;
    using MessageEntry = ::MessageEntry<CWinApp>;

    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current();

    // Runs the program. A dialog application runs its main dialog modally and
    // returns FALSE, as this layer has no message loop of its own.
    virtual BOOL InitInstance() = 0;

    // Runs the handler of command `id` from the message map; false when there is none.
    bool OnCmdMsg(UINT id);

    // The dialog that owns dialogs opened without a parent.
    void SetMainWindow(CDialog* window) { mainWindow_ = window; }
    CDialog* MainWindow() const { return mainWindow_; }

    // There is no help file: the help command does nothing.
    void OnHelp() {}

protected:
    virtual MessageMap<CWinApp> GetMessageMap() const;

private:
    CDialog* mainWindow_ = nullptr;
};
