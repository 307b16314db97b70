#include "PortPanelApp.h"

#include "PortPanelDlg.h"

namespace {
CPortPanelApp theApp;
}

const CWinApp::MessageEntry CPortPanelApp::messageMap_[] = {
    MapCommand<&CWinApp::OnHelp>(BN_CLICKED, ID_HELP),
};

MessageMap<CWinApp> CPortPanelApp::GetMessageMap() const
{
    return messageMap_;
}

BOOL CPortPanelApp::InitInstance()
{
    // The dialog holds only USER32's own controls: no control container or 3-D look to set up.
    CPortPanelDlg dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    return FALSE;
}
