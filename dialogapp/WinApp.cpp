#include "WinApp.h"

#include <cassert>

namespace {
CWinApp* application = nullptr;
}

CWinApp::CWinApp()
{
    assert(!application && "a program has one application object");
    application = this;
}

CWinApp::~CWinApp()
{
    application = nullptr;
}

CWinApp* CWinApp::Current()
{
    return application;
}

bool CWinApp::OnCmdMsg(UINT id)
{
    const MessageEntry* entry = GetMessageMap().Find(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
    if (!entry)
        return false;
    entry->call(*this, MAKEWPARAM(id, BN_CLICKED), 0);
    return true;
}

MessageMap<CWinApp> CWinApp::GetMessageMap() const
{
    return {};
}
