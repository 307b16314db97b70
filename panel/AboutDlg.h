// CAboutDlg - the About box: dialog template 100 with the program's icon.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
