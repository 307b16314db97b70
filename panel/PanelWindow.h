// PanelWindow - what the panel's port logic needs from its window. The dialog
// implements it on the real controls; tests implement it with a recording fake.
#pragma once

#include "QorvelIo.h"

#include <array>
#include <string>

// The five configuration texts in port order P4, P5, P6, P7, P1.
using ConfigTexts = std::array<std::wstring, kPortCount>;

class PanelWindow {
public:
    virtual ~PanelWindow() = default;

    // Lit is true when the LED shall glow (its pin reads 0).
    virtual void SetLedState(int ledId, bool lit) = 0;
    // Copies the texts into their edit boxes (data exchange towards the window).
    virtual void TextsToWindow(const ConfigTexts& texts) = 0;
    // Copies the edit boxes' contents into the texts (data exchange from the window).
    virtual void TextsFromWindow(ConfigTexts& texts) = 0;
    // A modal box with the exclamation icon and a single OK button.
    virtual void ShowWarning(const std::wstring& text, const std::wstring& caption) = 0;
    // Starts a periodic window timer whose ticks come back as OnTimer(timerId).
    virtual void StartTimer(int timerId, unsigned periodMs) = 0;
};
