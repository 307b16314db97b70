// CalWindow - what the check procedures need from the form F_Cal. The form
// implements it on its boxes; tests implement it with a recording fake.
#pragma once

#include "QorvelIo.h"

#include <string>

enum class Notice { Plain, Warning, Failure };

class CalWindow {
public:
    virtual ~CalWindow() = default;

    virtual void SetReadText(PortId port, const std::wstring& text) = 0;
    virtual std::wstring WriteText(PortId port) const = 0;
    virtual void SetWriteText(PortId port, const std::wstring& text) = 0;
    // Puts the focus on a write box with its whole text selected.
    virtual void SelectWriteBox(PortId port) = 0;
    // A modal box with an OK button only and the program's title as caption.
    virtual void ShowMessage(const std::wstring& text, Notice notice) = 0;
    virtual void StopTimer() = 0;
    // Closes the form; the program then ends with this exit code.
    virtual void EndProgram(int exitCode) = 0;
};
