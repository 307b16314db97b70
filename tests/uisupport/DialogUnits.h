// Dialog units of another program's dialog template, in pixels.
//
// MapDialogRect does not work on another process's dialog, so this creates a
// hidden copy of the same template (loaded from the program file as data) in
// the test process, with another caption, and maps on that copy.
#pragma once

#include "ProgramFile.h"

#include <windows.h>

#include <string>

namespace uitest {

class DialogUnits {
public:
    // Throws std::runtime_error when the file or the template cannot be loaded.
    DialogUnits(const std::wstring& exePath, int templateId);
    ~DialogUnits();
    DialogUnits(const DialogUnits&) = delete;
    DialogUnits& operator=(const DialogUnits&) = delete;

    // Where the dialog manager puts a control given at x,y with this size:
    // position and size are mapped separately, as when it creates controls.
    RECT ToPixels(int x, int y, int width, int height) const;

private:
    ProgramFile file_;
    HWND copy_ = nullptr;
};

}  // namespace uitest
