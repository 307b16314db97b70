// CPortPanelDlg - the panel's main dialog (template 102): binds the LED
// controls and the configuration edit boxes, routes clicks and timer ticks to
// the port logic and serves as the logic's window.
#pragma once

#include "Dialog.h"
#include "LedStatic.h"
#include "LinkedBoard.h"
#include "PanelWindow.h"
#include "PortPanelLogic.h"

#include <array>

class CPortPanelDlg : public CDialog, private PanelWindow {
public:
    explicit CPortPanelDlg(HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    MessageMap<CDialog> GetMessageMap() const override;

private:
    static const MessageEntry messageMap_[];

    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR timerId);
    void OnAllInput();
    void OnAllOutput();
    void OnUpdate();
    void OnPinButton(UINT id);

    void SetLedState(int ledId, bool lit) override;
    void TextsToWindow(const ConfigTexts& texts) override;
    void TextsFromWindow(ConfigTexts& texts) override;
    void ShowWarning(const std::wstring& text, const std::wstring& caption) override;
    void StartTimer(int timerId, unsigned periodMs) override;

    LinkedBoard board_;
    PortPanelLogic logic_;
    // Bound in the order of kLedBindingOrder (PortPanelDlg.cpp).
    std::array<CLedStatic, 32> leds_;
    HICON m_hIcon;
};
