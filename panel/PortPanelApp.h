// CPortPanelApp - portpanel's application object: runs the panel dialog
// modally, and the program ends when it closes.
#pragma once

#include "WinApp.h"

class CPortPanelApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    MessageMap<CWinApp> GetMessageMap() const override;

private:
    static const MessageEntry messageMap_[];
};
